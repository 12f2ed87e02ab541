#pragma once

namespace tavrosk::libreoffice {

// The script a character of a cell is laid out in. A Calc cell has one font
// for each of Latin, Asian and complex text; a weak character (a space, a
// symbol such as "♪", a combining mark) takes the script of the text before
// it.
enum class CellScript { Latin, Asian, Complex, Weak };

// As the office sorts characters: by the Unicode block they are in.
CellScript ScriptOf(char32_t character);

} // namespace tavrosk::libreoffice
