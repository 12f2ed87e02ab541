#pragma once

#include "commands/UndoableTextField.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tavrosk::win32 {

// Text1 and Text2: an edit control, with an undo of the program's own. Its
// text is UTF-16 with CR LF line breaks, the list's own form, so it is read
// and written unchanged.
//
// The control's own undo keeps one step and is wiped by every write of the
// program's, so the field's undo is the tool's own (UndoableTextField): it
// answers the undo messages, Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z), and a
// context menu of its own.
class EditField final : public UndoableTextField {
public:
    explicit EditField(HWND edit);
    ~EditField() override;
    EditField(const EditField&) = delete;
    EditField& operator=(const EditField&) = delete;

    // The control says its text changed (EN_CHANGE): the user's edit.
    void controlChanged();

    // An entry of the tool's own, after the edit entries of the menu.
    struct MenuEntry {
        std::u16string caption;
        bool enabled;
        std::function<void()> run;
    };
    // Asked for the entries each time the menu opens.
    void extendMenu(std::function<std::vector<MenuEntry>()> entries) { extraEntries_ = std::move(entries); }

private:
    static LRESULT CALLBACK subclass(HWND edit, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    void show(const TextChange& change) override;
    void showMenu(LPARAM at);

    HWND edit_;
    std::function<std::vector<MenuEntry>()> extraEntries_;
    bool writing_ = false;
};

} // namespace tavrosk::win32
