#pragma once

#include <windows.h>

#include <string_view>

namespace tavrosk::win32 {

// Gives a control the name screen readers announce (Active
// Accessibility's dynamic annotation); a list box or an edit control has
// none of its own. Needs COM on the calling thread; where the annotation
// service is missing the control stays unnamed.
void SetAccessibleName(HWND control, std::u16string_view name);

} // namespace tavrosk::win32
