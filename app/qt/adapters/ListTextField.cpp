#include "app/qt/adapters/ListTextField.h"

#include "app/qt/QtText.h"

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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
    cursor.beginEditBlock();
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

ListTextField::ListTextField(QPlainTextEdit& edit) : QObject(&edit), edit_(edit) {
    known_ = fromWidget(*edit_.document());
    connect(edit_.document(), &QTextDocument::contentsChanged, this, [this] {
        if (!writing_)
            knownValid_ = false;
    });
}

void ListTextField::refreshKnown() const {
    if (!knownValid_) {
        known_ = fromWidget(*edit_.document());
        knownValid_ = true;
    }
}

std::u16string ListTextField::text() const {
    refreshKnown();
    return known_;
}

void ListTextField::setText(const std::u16string& text) {
    if (knownValid_ && text == known_)
        return;
    {
        QScopedValueRollback guard(writing_, true);
        QTextCursor cursor(edit_.document());
        cursor.select(QTextCursor::Document);
        InsertListText(cursor, text);
    }
    known_ = text;
    knownValid_ = true;
}

void ListTextField::append(std::u16string_view tail) {
    if (tail.empty())
        return;
    refreshKnown();
    {
        QScopedValueRollback guard(writing_, true);
        QTextCursor cursor(edit_.document());
        cursor.movePosition(QTextCursor::End);
        InsertListText(cursor, tail);
    }
    known_ += tail;
}

} // namespace tavrosk::qt
