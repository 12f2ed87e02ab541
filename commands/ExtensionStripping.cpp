#include "commands/ExtensionStripping.h"

namespace tavrosk {

std::u16string RemoveAll(std::u16string_view text, std::u16string_view pattern) {
    if (pattern.empty())
        return std::u16string(text);
    std::u16string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t hit = text.find(pattern); hit != std::u16string_view::npos;
         hit = text.find(pattern, from)) {
        result.append(text, from, hit - from);
        from = hit + pattern.size();
    }
    result.append(text, from);
    return result;
}

void StripExtensions(FormState& state) {
    // Each pattern works on the result of the ones before it (".MP.mp33"
    // becomes ".MP3" and then nothing), but all on one string of our own: the
    // field is read once and written once, not once per pattern.
    const std::u16string original = state.text1.text();
    std::u16string list = original;
    for (std::u16string_view extension : kFixedExtensions)
        list = RemoveAll(list, extension);

    std::u16string extra;
    try {
        extra = state.text2.text();
    } catch (...) {
        // The fixed extensions are already done; they stay done.
        if (list != original)
            state.text1.setText(list);
        throw;
    }
    if (!extra.empty())
        list = RemoveAll(list, u"." + extra);

    if (list != original)
        state.text1.setText(list);
}

} // namespace tavrosk
