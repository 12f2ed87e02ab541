#include "app/win32/EditField.h"

#include "app/win32/WideText.h"

#include <commctrl.h>

#include <utility>

namespace tavrosk::win32 {

namespace {

// The characters Ctrl+Z and Ctrl+Y type.
constexpr WPARAM kCtrlZ = 0x1A, kCtrlY = 0x19;
constexpr UINT_PTR kRedo = 1;  // the menu's own command; the others are the edit messages
constexpr UINT kFirstExtra = 0x8000;  // above every edit message

} // namespace

EditField::EditField(HWND edit) : UndoableTextField(WindowText(edit)), edit_(edit) {
    SetWindowSubclass(edit_, subclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

EditField::~EditField() {
    RemoveWindowSubclass(edit_, subclass, 0);
}

void EditField::show(const TextChange& change) {
    const bool wasWriting = std::exchange(writing_, true);
    // Most of the text changed: setting it whole is the control's fastest
    // write. A part, an append among them: replacing just that part.
    const std::u16string& now = current();
    if (change.removed.size() + change.inserted.size() > now.size() / 2) {
        SendMessageW(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(now)));
        const WPARAM end = change.at + change.inserted.size();
        SendMessageW(edit_, EM_SETSEL, end, static_cast<LPARAM>(end));
    } else {
        SendMessageW(edit_, EM_SETSEL, change.at, static_cast<LPARAM>(change.at + change.removed.size()));
        SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Wide(change.inserted)));
    }
    writing_ = wasWriting;
}

void EditField::controlChanged() {
    if (!writing_)
        changedByUser(WindowText(edit_));
}

void EditField::showMenu(LPARAM at) {
    DWORD start = 0, end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const UINT selection = start != end ? MF_ENABLED : MF_GRAYED;
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, canUndo() ? MF_ENABLED : MF_GRAYED, WM_UNDO, L"元に戻す(&U)");
    AppendMenuW(menu, canRedo() ? MF_ENABLED : MF_GRAYED, kRedo, L"やり直し(&R)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, selection, WM_CUT, L"切り取り(&T)");
    AppendMenuW(menu, selection, WM_COPY, L"コピー(&C)");
    AppendMenuW(menu, IsClipboardFormatAvailable(CF_UNICODETEXT) ? MF_ENABLED : MF_GRAYED, WM_PASTE,
                L"貼り付け(&P)");
    AppendMenuW(menu, selection, WM_CLEAR, L"削除(&D)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, current().empty() ? MF_GRAYED : MF_ENABLED, EM_SETSEL, L"すべて選択(&A)");
    const std::vector<MenuEntry> extra = extraEntries_ ? extraEntries_() : std::vector<MenuEntry>{};
    if (!extra.empty())
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (std::size_t i = 0; i < extra.size(); ++i)
        AppendMenuW(menu, extra[i].enabled ? MF_ENABLED : MF_GRAYED, kFirstExtra + i, Wide(extra[i].caption));
    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (at == -1) {  // from the keyboard: at the field's top-left corner
        point = {0, 0};
        ClientToScreen(edit_, &point);
    }
    SetFocus(edit_);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, point.x, point.y, 0, edit_, nullptr));
    DestroyMenu(menu);
    if (chosen >= kFirstExtra && chosen - kFirstExtra < extra.size())
        extra[chosen - kFirstExtra].run();
    else if (chosen == kRedo)
        redo();
    else if (chosen == EM_SETSEL)
        SendMessageW(edit_, EM_SETSEL, 0, -1);
    else if (chosen != 0)
        SendMessageW(edit_, chosen, 0, 0);
}

LRESULT EditField::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_UNDO:
    case EM_UNDO:
        undo();
        return TRUE;
    case EM_CANUNDO:
        return canUndo();
    case WM_CONTEXTMENU:
        showMenu(l);
        return 0;
    case WM_CHAR:
        if (w == kCtrlZ) {
            GetKeyState(VK_SHIFT) < 0 ? redo() : undo();
            return 0;
        }
        if (w == kCtrlY) {
            redo();
            return 0;
        }
        break;
    case WM_SETTEXT: {
        // Written from outside the field (a multi-line control says
        // nothing of it): a change like the user's.
        const LRESULT result = DefSubclassProc(edit_, message, w, l);
        controlChanged();
        return result;
    }
    default:
        break;
    }
    return DefSubclassProc(edit_, message, w, l);
}

LRESULT CALLBACK EditField::subclass(HWND, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self) {
    return reinterpret_cast<EditField*>(self)->handle(message, w, l);
}

} // namespace tavrosk::win32
