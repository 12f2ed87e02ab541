#pragma once

#include <QString>

namespace tavrosk::qt {

// The window is Japanese whatever the locale: its texts are set in one
// proportional Japanese gothic face, and Qt's own texts (the text fields'
// context menus, standard buttons) are Japanese too.
void UseJapaneseUi();

// That face, by the family name Qt lists it under in this locale; empty
// where none is installed.
QString JapaneseGothic();

} // namespace tavrosk::qt
