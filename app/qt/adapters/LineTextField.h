#pragma once

#include "model/TextField.h"

class QLineEdit;

namespace tavrosk::qt {

// Text2: a single-line text field.
class LineTextField final : public TextField {
public:
    explicit LineTextField(QLineEdit& edit) : edit_(edit) {}

    std::u16string text() const override;
    void setText(const std::u16string& text) override;
    void append(std::u16string_view tail) override;

private:
    QLineEdit& edit_;
};

} // namespace tavrosk::qt
