#pragma once

#include <windows.h>
#include <shlwapi.h>

namespace tavrosk::win32 {

// The order Explorer shows names in: case-insensitive, with runs of digits
// compared as numbers ("2 x" before "10 x").
inline bool naturalLess(const wchar_t* a, const wchar_t* b) {
    return StrCmpLogicalW(a, b) < 0;
}

} // namespace tavrosk::win32
