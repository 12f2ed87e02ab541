#include "app/qt/adapters/ListTextField.h"

#include "app/qt/QtText.h"

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

ListTextField::ListTextField(QPlainTextEdit& edit) : QObject(&edit), edit_(edit), text_(fromWidget(*edit.document())) {
    edit_.setUndoRedoEnabled(false);
    edit_.installEventFilter(this);
    connect(edit_.document(), &QTextDocument::contentsChanged, this, &ListTextField::changedByUser);
}

void ListTextField::setText(const std::u16string& text) {
    make(ChangeBetween(text_, text));
}

void ListTextField::append(std::u16string_view tail) {
    make({text_.size(), {}, std::u16string(tail)});
}

void ListTextField::make(TextChange change) {
    if (change.removed.empty() && change.inserted.empty())
        return;
    show(change);
    history_.recordWrite(std::move(change));
}

void ListTextField::show(const TextChange& change) {
    const bool appended = change.at == text_.size() && change.removed.empty();
    text_.replace(change.at, change.removed.size(), change.inserted);
    QScopedValueRollback guard(writing_, true);
    QTextCursor cursor(edit_.document());
    // An append adds at the end; anything else sets the whole text, as the
    // widget keeps no line endings to find a place by.
    if (appended) {
        cursor.movePosition(QTextCursor::End);
        InsertListText(cursor, change.inserted);
    } else {
        cursor.select(QTextCursor::Document);
        InsertListText(cursor, text_);
    }
}

void ListTextField::changedByUser() {
    if (writing_)
        return;
    std::u16string now = fromWidget(*edit_.document());
    TextChange change = ChangeBetween(text_, now);
    text_ = std::move(now);
    if (!change.removed.empty() || !change.inserted.empty())
        history_.recordEdit(std::move(change));
}

void ListTextField::step(std::optional<TextChange> change) {
    if (change)
        show(*change);
}

bool ListTextField::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo))
            return step(history_.undo(text_)), true;
        if (key->matches(QKeySequence::Redo))
            return step(history_.redo(text_)), true;
    } else if (event->type() == QEvent::ContextMenu) {
        // The widget's menu, its undo and redo taken over by the history.
        const std::unique_ptr<QMenu> menu(edit_.createStandardContextMenu());
        for (QAction* action : menu->actions()) {
            const bool undo = action->objectName() == QLatin1String("edit-undo");
            if (!undo && action->objectName() != QLatin1String("edit-redo"))
                continue;
            action->disconnect();
            action->setEnabled(undo ? history_.canUndo() : history_.canRedo());
            connect(action, &QAction::triggered, this,
                    [this, undo] { step(undo ? history_.undo(text_) : history_.redo(text_)); });
        }
        menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return false;
}

} // namespace tavrosk::qt
