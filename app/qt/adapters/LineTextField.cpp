#include "app/qt/adapters/LineTextField.h"

#include <QLineEdit>

namespace tavrosk::qt {

std::u16string LineTextField::text() const {
    return edit_.text().toStdU16String();
}

// Written through the field's own editing, so that each write is one step of
// its undo (QLineEdit::setText would wipe the undo history).
void LineTextField::setText(const std::u16string& text) {
    if (edit_.text().toStdU16String() == text)
        return;
    edit_.selectAll();
    edit_.insert(QString::fromStdU16String(text));
}

void LineTextField::append(std::u16string_view tail) {
    edit_.end(false);
    edit_.insert(QString::fromUtf16(tail.data(), static_cast<qsizetype>(tail.size())));
}

} // namespace tavrosk::qt
