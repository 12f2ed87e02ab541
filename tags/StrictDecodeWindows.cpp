#include "tags/StrictDecode.h"

#include <windows.h>

namespace tavrosk {

std::optional<std::u16string> StrictDecode(std::string_view bytes, Encoding encoding) {
    if (bytes.empty())
        return std::u16string();
    const UINT codePage = encoding == Encoding::Utf8 ? CP_UTF8 : 932;
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
    return std::u16string(wide.begin(), wide.end());
}

} // namespace tavrosk
