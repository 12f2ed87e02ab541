#include "export/libreoffice/CellScript.h"

#include <array>

namespace tavrosk::libreoffice {

namespace {

struct Block {
    char32_t first;
    char32_t last;
    CellScript script;
};

// Blocks in order; a character in none of them is weak.
constexpr std::array kBlocks{
    Block{0x0000, 0x02FF, CellScript::Latin},     // Basic Latin to Spacing Modifier Letters
    Block{0x0370, 0x058F, CellScript::Latin},     // Greek to Armenian
    Block{0x0590, 0x109F, CellScript::Complex},   // Hebrew to Myanmar
    Block{0x10A0, 0x10FF, CellScript::Latin},     // Georgian
    Block{0x1100, 0x11FF, CellScript::Asian},     // Hangul Jamo
    Block{0x1200, 0x139F, CellScript::Complex},   // Ethiopic
    Block{0x13A0, 0x16FF, CellScript::Latin},     // Cherokee to Runic
    Block{0x1780, 0x18AF, CellScript::Complex},   // Khmer to Mongolian
    Block{0x1E00, 0x1FFF, CellScript::Latin},     // Latin Extended Additional, Greek Extended
    Block{0x2E80, 0xD7AF, CellScript::Asian},     // CJK Radicals Supplement to Hangul Syllables
    Block{0xF900, 0xFAFF, CellScript::Asian},     // CJK Compatibility Ideographs
    Block{0xFB50, 0xFDFF, CellScript::Complex},   // Arabic Presentation Forms-A
    Block{0xFE30, 0xFE4F, CellScript::Asian},     // CJK Compatibility Forms
    Block{0xFE70, 0xFEFF, CellScript::Complex},   // Arabic Presentation Forms-B
    Block{0xFF00, 0xFFEF, CellScript::Asian},     // Halfwidth and Fullwidth Forms
    Block{0x20000, 0x3FFFF, CellScript::Asian},   // the supplementary ideographic planes
};

} // namespace

CellScript ScriptOf(char32_t character) {
    // Spaces are weak although Basic Latin and Latin-1 hold them.
    if (character == U' ' || character == U'\u00A0')
        return CellScript::Weak;
    for (const Block& block : kBlocks)
        if (character <= block.last)
            return character >= block.first ? block.script : CellScript::Weak;
    return CellScript::Weak;
}

} // namespace tavrosk::libreoffice
