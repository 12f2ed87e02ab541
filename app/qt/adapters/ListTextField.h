#pragma once

#include "commands/UndoableTextField.h"

#include <QObject>

#include <functional>
#include <string_view>

class QMenu;
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
// Its undo is the tool's own (UndoableTextField), as in the Windows window;
// the widget's own is off. Ctrl+Z, Ctrl+Shift+Z (or Ctrl+Y) and the context
// menu's undo and redo use it, however the menu is opened (a right click
// lands on the widget's viewport, the Menu key on the widget).
class ListTextField final : public QObject, public UndoableTextField {
    Q_OBJECT
public:
    explicit ListTextField(QPlainTextEdit& edit);

    // Adds the tool's own entries after the widget's in the context menu.
    void extendMenu(std::function<void(QMenu&)> extend) { extendMenu_ = std::move(extend); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(const TextChange& change) override;

    QPlainTextEdit& edit_;
    std::function<void(QMenu&)> extendMenu_;
    bool writing_ = false;
};

} // namespace tavrosk::qt
