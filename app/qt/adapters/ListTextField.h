#pragma once

#include "model/TextField.h"

#include <QObject>

#include <string_view>

class QPlainTextEdit;
class QTextCursor;

namespace tavrosk::qt {

// Inserts list text at the cursor, in place of its selection, as one step of
// the field's undo. The widget keeps paragraphs, not line endings: CR LF
// becomes a paragraph, and a lone CR or LF one marked as started by it, so
// that the text reads back exactly. Used for the commands' writes and for
// what the user pastes.
void InsertListText(QTextCursor& cursor, std::u16string_view text);

// Text1: a multi-line text field. A line break typed with Enter reads back
// as CR LF; everything else, written or pasted, reads back as it was, a
// no-break space included. Each write is one step of the field's own undo,
// so Ctrl+Z brings back what a command replaced. Writes touch the widget
// once and only when the text changes.
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

} // namespace tavrosk::qt
