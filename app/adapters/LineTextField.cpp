#include "app/adapters/LineTextField.h"

#include <QLineEdit>

namespace tavrosk {

std::u16string LineTextField::text() const {
    return edit_.text().toStdU16String();
}

void LineTextField::setText(const std::u16string& text) {
    edit_.setText(QString::fromStdU16String(text));
}

void LineTextField::append(std::u16string_view tail) {
    edit_.setText(edit_.text() + QString::fromUtf16(tail.data(), static_cast<qsizetype>(tail.size())));
}

} // namespace tavrosk
