#pragma once

#include "model/FormState.h"

namespace tavrosk {

// Puts the list on the clipboard exactly as Text1 holds it, then empties
// Text1 and Text2. If the clipboard cannot be cleared or set, the list stays
// in Text1.
void CopyListToClipboard(FormState& state);

} // namespace tavrosk
