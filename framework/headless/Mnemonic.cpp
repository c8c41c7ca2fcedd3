// Alt with a letter in a dialog, as the dialog manager takes it: the control whose text has
// that letter underlined ("&Raum...") is looked for from the focused one on, wrapping round.
// A button is clicked (a check box ticked); a label or group box passes the focus on to the
// control after it in the tab order, as the field it names.
#include "framework/headless/DialogManager.h"
#include "framework/headless/UserInput.h"
#include "framework/headless/WindowSystem.h"

#include <algorithm>
#include <cctype>

namespace headless {
namespace {

// The underlined letter of a control's text, 0 for none: the one after a single '&'.
char MnemonicOf(const Window& control) {
    if (control.windowClass == WindowClass::Static && (control.style & SS_NOPREFIX) != 0) {
        return '\0';
    }
    const std::string& text = control.text;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') {
            continue;
        }
        if (text[i + 1] != '&') {
            return text[i + 1];
        }
        ++i;
    }
    return '\0';
}

bool SameLetter(char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) ==
           std::toupper(static_cast<unsigned char>(b));
}

bool IsLabel(const Window& control) {
    return control.windowClass == WindowClass::Static ||
           (control.windowClass == WindowClass::Button &&
            (control.style & BS_TYPEMASK) == BS_GROUPBOX);
}

// The dialog's visible, enabled control with this mnemonic, null when none has it.
HWND ControlWithMnemonic(const Window& dialog, char letter) {
    std::vector<HWND> order = dialog.children;
    auto focus = std::find(order.begin(), order.end(), GetFocus());
    if (focus != order.end()) {
        std::rotate(order.begin(), focus + 1, order.end());
    }
    for (HWND handle : order) {
        const Window* control = FindWindowRecord(handle);
        if (control != nullptr && (control->style & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE &&
            SameLetter(MnemonicOf(*control), letter)) {
            return handle;
        }
    }
    return nullptr;
}

} // namespace

void PressMnemonic(HWND dialog, char letter) {
    const Window* window = FindWindowRecord(dialog);
    HWND control = window != nullptr ? ControlWithMnemonic(*window, letter) : nullptr;
    if (control == nullptr) {
        return;
    }
    if (IsLabel(*FindWindowRecord(control))) {
        HWND next = NextTabStop(dialog, control);
        if (next != nullptr) {
            FocusDialogControl(next);
        }
    } else if (FindWindowRecord(control)->windowClass == WindowClass::Button) {
        SendMessageA(control, BM_CLICK, 0, 0);
    } else {
        FocusDialogControl(control);
    }
    PumpPostedMessages();
}

} // namespace headless
