#pragma once

#include "commands/TextHistory.h"
#include "model/TextField.h"

#include <QObject>

#include <string_view>

class QPlainTextEdit;
class QTextCursor;

namespace tavrosk::qt {

// Inserts list text at the cursor, in place of its selection. The widget
// keeps paragraphs, not line endings: CR LF becomes a paragraph, and a lone
// CR or LF one marked as started by it, so that the text reads back
// exactly. Used for the commands' writes and for what the user pastes.
void InsertListText(QTextCursor& cursor, std::u16string_view text);

// Text1: a multi-line text field. A line break typed with Enter reads back
// as CR LF; everything else, written or pasted, reads back as it was, a
// no-break space included.
//
// Its undo is the tool's own (TextHistory), as in the Windows window: each
// command's write is one step, the user's typing and pasting are steps too,
// undo gives the text back exactly, lone CR and LF included, and the history
// is bounded in memory. Ctrl+Z, Ctrl+Shift+Z (or Ctrl+Y) and the context
// menu's undo and redo use it; the widget's own undo is off.
class ListTextField final : public QObject, public TextField {
    Q_OBJECT
public:
    explicit ListTextField(QPlainTextEdit& edit);

    std::u16string text() const override { return text_; }
    void setText(const std::u16string& text) override;
    void append(std::u16string_view tail) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void make(TextChange change);
    void show(const TextChange& change);
    void changedByUser();
    void step(std::optional<TextChange> change);

    QPlainTextEdit& edit_;
    std::u16string text_;  // the field's text, kept in step with the widget
    TextHistory history_;
    bool writing_ = false;
};

} // namespace tavrosk::qt
