#pragma once

#include "commands/TextHistory.h"
#include "model/TextField.h"

#include <windows.h>

namespace tavrosk::win32 {

// Text1 and Text2: an edit control, with an undo of the program's own. Its
// text is UTF-16 with CR LF line breaks, the list's own form, so it is read
// and written unchanged.
//
// The control's own undo keeps one step and is wiped by every write of the
// program's, so the field keeps its history (TextHistory) and answers the
// undo messages, Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z), and a context menu of
// its own: each command's write is one step, the user's typing and pasting
// are steps too, and undo gives the text back exactly.
class EditField final : public TextField {
public:
    explicit EditField(HWND edit);
    ~EditField() override;
    EditField(const EditField&) = delete;
    EditField& operator=(const EditField&) = delete;

    std::u16string text() const override { return text_; }
    void setText(const std::u16string& text) override;
    // One replace-selection at the end: no rewrite of what the field holds.
    void append(std::u16string_view tail) override;

    // The control says its text changed (EN_CHANGE): the user's edit.
    void changedByUser();

private:
    static LRESULT CALLBACK subclass(HWND edit, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    void make(TextChange change);
    void write(const TextChange& change);
    void undo();
    void redo();
    void showMenu(LPARAM at);

    HWND edit_;
    std::u16string text_;  // the control's text, kept in step with it
    TextHistory history_;
    bool writing_ = false;
};

} // namespace tavrosk::win32
