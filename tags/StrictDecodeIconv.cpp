#include "tags/StrictDecode.h"

#include <iconv.h>

namespace tavrosk {

std::optional<std::u16string> StrictDecode(std::string_view bytes, Encoding encoding) {
    // glibc's iconv stops at the first sequence that is not of the encoding.
    const iconv_t converter = iconv_open("UTF-16LE", encoding == Encoding::Utf8 ? "UTF-8" : "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::u16string out(bytes.size() + 1, u'\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* to = reinterpret_cast<char*>(out.data());
    std::size_t toLeft = out.size() * sizeof(char16_t);
    const bool converted = iconv(converter, &in, &inLeft, &to, &toLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (!converted)
        return std::nullopt;
    out.resize(out.size() - toLeft / sizeof(char16_t));
    return out;
}

} // namespace tavrosk
