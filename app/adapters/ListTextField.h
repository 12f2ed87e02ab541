#pragma once

#include "model/TextField.h"

#include <QObject>

class QPlainTextEdit;

namespace tavrosk {

// Text1: a multi-line text field. The widget keeps paragraphs, not line
// endings: it drops every CR of "\r\n". So a line break reads back as CR LF,
// and between user edits the field returns exactly the text last written,
// whatever it held. Each write is one step of the field's own undo, so
// Ctrl+Z brings back what a command replaced. Writes touch the widget once
// and only when the text changes.
class ListTextField final : public QObject, public TextField {
    Q_OBJECT
public:
    explicit ListTextField(QPlainTextEdit& edit);

    std::u16string text() const override;
    void setText(const std::u16string& text) override;
    void append(std::u16string_view tail) override;

private:
    void refreshKnown() const;

    QPlainTextEdit& edit_;
    // The field's text as last written or read; valid until the user edits.
    mutable std::u16string known_;
    mutable bool knownValid_ = true;
    bool writing_ = false;
};

} // namespace tavrosk
