#pragma once

namespace tavrosk::qt {

// Makes the application's default font one that shows Japanese: the
// platform's own where it covers Japanese, otherwise an installed Japanese
// gothic face at the same size.
void UseJapaneseUiFont();

} // namespace tavrosk::qt
