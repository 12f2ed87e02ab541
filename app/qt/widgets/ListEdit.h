#pragma once

#include "app/qt/adapters/ListTextField.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace tavrosk::qt {

// Text1's widget: pasted and dropped text goes in as the list holds it, lone
// CR and LF included (the widget alone would make CR LF of them).
class ListEdit final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override {
        if (!source || !source->hasText())
            return;
        QTextCursor cursor = textCursor();
        InsertListText(cursor, source->text().toStdU16String());
        setTextCursor(cursor);
        ensureCursorVisible();
    }
};

} // namespace tavrosk::qt
