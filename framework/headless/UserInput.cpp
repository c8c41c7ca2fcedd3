#include "framework/headless/UserInput.h"

#include "framework/headless/DialogManager.h"
#include "framework/headless/Timers.h"
#include "framework/headless/WindowSystem.h"

namespace headless {
namespace {

unsigned g_heldModifiers = 0;

// The modifiers count as held while one key is handled.
class HeldModifiers {
public:
    explicit HeldModifiers(unsigned modifiers) { g_heldModifiers = modifiers; }
    ~HeldModifiers() { g_heldModifiers = 0; }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;
};

// The dialog's control that has the focus, null when the focus is elsewhere.
HWND FocusedControl(HWND dialog) {
    HWND focus = GetFocus();
    return focus != nullptr && GetParent(focus) == dialog ? focus : nullptr;
}

void SendCommand(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

} // namespace

void PressKey(HWND dialog, UINT virtualKey, char character, unsigned modifiers) {
    if (!IsWindow(dialog)) {
        return;
    }
    HeldModifiers held(modifiers);
    HWND focus = FocusedControl(dialog);
    if (virtualKey == VK_TAB) {
        HWND next = NextTabStop(dialog, focus, (modifiers & kShiftKey) != 0);
        if (next != nullptr) {
            FocusDialogControl(next);
        }
    } else if (virtualKey == VK_RETURN) {
        PressEnter(dialog);
    } else if (virtualKey == VK_ESCAPE) {
        PressEscape(dialog);
    } else {
        HWND target = focus != nullptr ? focus : dialog;
        SendMessageA(target, WM_KEYDOWN, virtualKey, 0);
        if (character != '\0' && IsWindow(target)) {
            SendMessageA(target, WM_CHAR, static_cast<unsigned char>(character), 0);
        }
        if (IsWindow(target)) {
            SendMessageA(target, WM_KEYUP, virtualKey, 0);
        }
    }
    PumpPostedMessages();
}

// As the dialog manager does it: a focused push button sends its own command; otherwise the
// default button's id goes out, with the handle of that button if the dialog has one.
void PressEnter(HWND dialog) {
    HWND focus = FocusedControl(dialog);
    if (focus != nullptr && IsPushButton(focus)) {
        SendCommand(dialog, GetDlgCtrlID(focus));
    } else {
        SendCommand(dialog, DefaultButtonId(dialog));
    }
    PumpPostedMessages();
}

void PressEscape(HWND dialog) {
    SendCommand(dialog, IDCANCEL);
    PumpPostedMessages();
}

void PressMouse(HWND control) {
    if (IsWindowEnabled(control)) {
        SendMessageA(control, WM_LBUTTONDOWN, 0, 0);
    }
    PumpPostedMessages();
}

void ReleaseMouse(HWND control, bool over) {
    // Over the control: its upper-left corner; elsewhere: a point left of and above it.
    SendMessageA(control, WM_LBUTTONUP, 0, over ? MAKELPARAM(0, 0) : MAKELPARAM(-1, -1));
    PumpPostedMessages();
}

void SelectText(HWND edit, std::size_t anchor, std::size_t caret) {
    SendMessageA(edit, EM_SETSEL, anchor, static_cast<LPARAM>(caret));
    PumpPostedMessages();
}

void Paste(HWND edit, const std::string& text) {
    Window* window = FindWindowRecord(edit);
    if (window == nullptr || window->windowClass != WindowClass::Edit ||
        (window->style & ES_READONLY) != 0) {
        return;
    }
    std::string firstLine = text.substr(0, text.find_first_of("\r\n"));
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(firstLine.c_str()));
    PumpPostedMessages();
}

void PickItem(HWND combo, int index) {
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    NotifyParent(combo, CBN_SELCHANGE);
    PumpPostedMessages();
}

void SystemCommand(HWND dialog, UINT command) {
    SendMessageA(dialog, WM_SYSCOMMAND, command, 0);
    PumpPostedMessages();
}

void TickTimers() {
    DeliverTimers();
    PumpPostedMessages();
}

} // namespace headless

SHORT GetKeyState(int virtualKey) {
    unsigned modifier = virtualKey == VK_SHIFT     ? headless::kShiftKey
                        : virtualKey == VK_CONTROL ? headless::kControlKey
                                                   : 0;
    return (headless::g_heldModifiers & modifier) != 0 ? static_cast<SHORT>(0x8000) : 0;
}
