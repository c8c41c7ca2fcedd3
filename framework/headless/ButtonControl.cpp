// The button control: push buttons, checkboxes and group boxes.
#include "framework/headless/WindowSystem.h"

namespace {

DWORD ButtonType(const headless::Window& button) {
    return button.style & BS_TYPEMASK;
}

// A click as the mouse makes it: the button takes the focus when pressed; when released, an
// automatic checkbox toggles and the button reports BN_CLICKED.
void Click(HWND hWnd, headless::Window& button) {
    if (ButtonType(button) == BS_GROUPBOX || (button.style & WS_DISABLED) != 0) {
        return;
    }
    SetFocus(hWnd);
    headless::Window* clicked = headless::FindWindowRecord(hWnd);
    if (clicked == nullptr) {
        return;
    }
    if (ButtonType(*clicked) == BS_AUTOCHECKBOX) {
        clicked->check = clicked->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    }
    headless::NotifyParent(hWnd, BN_CLICKED);
}

} // namespace

namespace headless {

LRESULT CALLBACK ButtonWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* button = FindWindowRecord(hWnd);
    if (button == nullptr) {
        return 0;
    }
    switch (message) {
    case BM_GETCHECK:
        return button->check;
    case BM_SETCHECK:
        // Setting the check state reports nothing.
        button->check = static_cast<int>(wParam);
        return 0;
    case BM_CLICK:
        Click(hWnd, *button);
        return 0;
    default:
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

} // namespace headless
