#include "commands/TrackNumbers.h"

#include <string>

namespace tavrosk {

namespace {

bool isDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

bool isPunctuation(char16_t c) {
    return c == u'.' || c == u'．' || c == u'-' || c == u'－' || c == u'_' || c == u'＿';
}

// Reads the digits at `at`: how many there are.
std::size_t digitsAt(std::u16string_view line, std::size_t at) {
    std::size_t end = at;
    while (end < line.size() && isDigit(line[end]))
        ++end;
    return end - at;
}

} // namespace

std::u16string_view WithoutTrackNumber(std::u16string_view line) {
    std::size_t at = 0;
    const bool inParentheses = !line.empty() && (line[0] == u'(' || line[0] == u'（');
    at += inParentheses;
    const std::size_t digits = digitsAt(line, at);
    const bool leadingZero = digits > 0 && (line[at] == u'0' || line[at] == u'０');
    // Three digits only as "001": "101 Dalmatians" is a title.
    if (digits == 0 || digits > 3 || (digits == 3 && !leadingZero))
        return line;
    at += digits;
    // A disc number before the track's: "1-05".
    if (!inParentheses && digits <= 2 && at + 1 < line.size() && (line[at] == u'-' || line[at] == u'－')) {
        const std::size_t track = digitsAt(line, at + 1);
        if (track >= 1 && track <= 3 && at + 1 + track < line.size() && isSpace(line[at + 1 + track]))
            at += 1 + track;
    }
    if (inParentheses) {
        if (at >= line.size() || (line[at] != u')' && line[at] != u'）'))
            return line;
        ++at;
    }
    const std::size_t numberEnd = at;
    while (at < line.size() && isSpace(line[at]))
        ++at;
    bool punctuated = false;
    if (at < line.size() && isPunctuation(line[at])) {
        // "3.14" is a number, not track 3.
        if (at == numberEnd && at + 1 < line.size() && isDigit(line[at + 1]))
            return line;
        punctuated = true;
        ++at;
        while (at < line.size() && isSpace(line[at]))
            ++at;
    }
    if (at == numberEnd && !inParentheses)
        return line;  // joined to the title, or the whole line
    if (at == line.size())
        return line;  // nothing after the number
    if (!inParentheses && !punctuated && digits == 1 && !leadingZero && numberEnd == 1)
        return line;  // "7 Rings"
    return line.substr(at);
}

void RemoveTrackNumbers(FormState& state) {
    const std::u16string text = state.text1.text();
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string::npos)
            end = text.size();
        out += WithoutTrackNumber(std::u16string_view(text).substr(start, end - start));
        if (end == text.size())
            break;
        const std::size_t lineBreak = text.compare(end, 2, u"\r\n") == 0 ? 2 : 1;
        out.append(text, end, lineBreak);
        start = end + lineBreak;
    }
    if (out != text)
        state.text1.setText(out);
}

} // namespace tavrosk
