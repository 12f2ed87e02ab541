#include "app/adapters/ListTextField.h"

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>

namespace tavrosk {

namespace {

// The widget's paragraphs use LF; the list uses CR LF.
QString toWidget(std::u16string_view text) {
    QString out = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

std::u16string fromWidget(const QString& text) {
    std::u16string out;
    out.reserve(static_cast<std::size_t>(text.size()) + text.count(u'\n'));
    for (QChar c : text) {
        if (c == u'\n')
            out += u'\r';
        out += c.unicode();
    }
    return out;
}

// Replaces the cursor's selection as one step of the field's undo.
void insertAsOneStep(QTextCursor& cursor, std::u16string_view text) {
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertText(toWidget(text));
    cursor.endEditBlock();
}

} // namespace

ListTextField::ListTextField(QPlainTextEdit& edit) : QObject(&edit), edit_(edit) {
    known_ = fromWidget(edit_.toPlainText());
    connect(edit_.document(), &QTextDocument::contentsChanged, this, [this] {
        if (!writing_)
            knownValid_ = false;
    });
}

void ListTextField::refreshKnown() const {
    if (!knownValid_) {
        known_ = fromWidget(edit_.toPlainText());
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
        insertAsOneStep(cursor, text);
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
        insertAsOneStep(cursor, tail);
    }
    known_ += tail;
}

} // namespace tavrosk
