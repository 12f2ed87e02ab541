#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrosk {

enum class Encoding { Utf8, Cp932 };

// The bytes decoded by the platform's converter, or nothing when it finds a
// byte sequence that is not of that encoding. One file per platform:
// StrictDecodeIconv.cpp, StrictDecodeWindows.cpp.
std::optional<std::u16string> StrictDecode(std::string_view bytes, Encoding encoding);

} // namespace tavrosk
