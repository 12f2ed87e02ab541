#include "app/qt/adapters/ListTextField.h"

#include "app/qt/QtText.h"
#include "app/qt/platform/FreedMemory.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace tavrosk::qt {

namespace {

// The line break a paragraph of the widget starts with, where it is not the
// list's CR LF.
constexpr int kAfterLoneCr = 1;
constexpr int kAfterLoneLf = 2;

// The widget's text as the list holds it. Read raw, so that a no-break space
// stays one (plain-text reading turns it into a space). A line separator
// (Shift+Enter) is a line break like Enter.
std::u16string fromWidget(const QTextDocument& document) {
    std::u16string out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            out += block.userState() == kAfterLoneCr ? u"\r" : block.userState() == kAfterLoneLf ? u"\n" : u"\r\n";
        for (const QChar c : block.text()) {
            if (c == QChar::LineSeparator)
                out += u"\r\n";
            else
                out += c.unicode();
        }
    }
    return out;
}

} // namespace

void InsertListText(QTextCursor& cursor, std::u16string_view text) {
    cursor.beginEditBlock();  // one change of the document, one contentsChanged
    cursor.removeSelectedText();
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;  // CR LF: the widget makes a paragraph of it
            continue;
        }
        if (c != u'\r' && c != u'\n')
            continue;
        cursor.insertText(ToQString(text.substr(start, i - start)));
        cursor.insertBlock();
        cursor.block().setUserState(c == u'\r' ? kAfterLoneCr : kAfterLoneLf);
        start = i + 1;
    }
    cursor.insertText(ToQString(text.substr(start)));
    cursor.endEditBlock();
}

ListTextField::ListTextField(QPlainTextEdit& edit)
    : QObject(&edit), UndoableTextField(fromWidget(*edit.document())), edit_(edit) {
    edit_.setUndoRedoEnabled(false);
    edit_.installEventFilter(this);
    edit_.viewport()->installEventFilter(this);
    connect(edit_.document(), &QTextDocument::contentsChanged, this, [this] {
        if (!writing_)
            changedByUser(fromWidget(*edit_.document()));
    });
}

void ListTextField::show(const TextChange& change) {
    QScopedValueRollback guard(writing_, true);
    QTextCursor cursor(edit_.document());
    // An append adds at the end; anything else sets the whole text, as the
    // widget keeps no line endings to find a place by.
    if (change.removed.empty() && change.at + change.inserted.size() == current().size()) {
        cursor.movePosition(QTextCursor::End);
        InsertListText(cursor, change.inserted);
    } else {
        cursor.select(QTextCursor::Document);
        InsertListText(cursor, current());
    }
    ReturnFreedMemorySoon();
}

bool ListTextField::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == &edit_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool undoKey = key->matches(QKeySequence::Undo);
        // Ctrl+Y redoes as on Windows, where Linux desktops know only Ctrl+Shift+Z.
        const bool ctrlY = key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
        if (!undoKey && !ctrlY && !key->matches(QKeySequence::Redo))
            return false;
        undoKey ? undo() : redo();
        return true;
    } else if (event->type() == QEvent::ContextMenu) {
        // The widget's menu, its undo and redo taken over by the history.
        const std::unique_ptr<QMenu> menu(edit_.createStandardContextMenu());
        for (QAction* action : menu->actions()) {
            const bool undo = action->objectName() == QLatin1String("edit-undo");
            if (!undo && action->objectName() != QLatin1String("edit-redo"))
                continue;
            action->disconnect();
            action->setEnabled(undo ? canUndo() : canRedo());
            connect(action, &QAction::triggered, this, [this, undo] { undo ? this->undo() : redo(); });
        }
        if (extendMenu_) {
            menu->addSeparator();
            extendMenu_(*menu);
        }
        menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return false;
}

} // namespace tavrosk::qt
