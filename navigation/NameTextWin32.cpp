// How a path reads as text on Windows, whose names are UTF-16 units.
#include "navigation/NameText.h"

namespace tavrosk {

std::u16string PathText(const std::filesystem::path& path) {
    // Unit for unit: the library's own conversion throws for a surrogate
    // without its pair, which NTFS names may hold.
    const std::wstring& units = path.native();
    return std::u16string(units.begin(), units.end());
}

} // namespace tavrosk
