// The button control: push buttons, checkboxes and group boxes.
#include "framework/headless/WindowSystem.h"

namespace {

DWORD ButtonType(const headless::Window& button) {
    return button.style & BS_TYPEMASK;
}

// Pressed with the mouse or the space bar, a button takes the focus.
void Press(HWND hWnd, headless::Window& button) {
    if (ButtonType(button) == BS_GROUPBOX || (button.style & WS_DISABLED) != 0) {
        return;
    }
    button.pressed = true;
    SetFocus(hWnd);
}

// Released where it was pressed, an automatic checkbox toggles and the button reports
// BN_CLICKED; released elsewhere, nothing happens but the focus it took.
void Release(HWND hWnd, bool over) {
    headless::Window* button = headless::FindWindowRecord(hWnd);
    if (button == nullptr || !button->pressed) {
        return;
    }
    button->pressed = false;
    if (!over) {
        return;
    }
    if (ButtonType(*button) == BS_AUTOCHECKBOX) {
        button->check = button->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    }
    headless::NotifyParent(hWnd, BN_CLICKED);
}

bool IsInside(const headless::Window& button, LPARAM point) {
    auto x = static_cast<short>(LOWORD(point));
    auto y = static_cast<short>(HIWORD(point));
    return x >= 0 && y >= 0 && x < button.width && y < button.height;
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
    case BM_CLICK: // a click as the mouse makes it
        Press(hWnd, *button);
        Release(hWnd, true);
        return 0;
    case WM_LBUTTONDOWN:
        Press(hWnd, *button);
        return 0;
    case WM_LBUTTONUP:
        Release(hWnd, IsInside(*button, lParam));
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            Press(hWnd, *button);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE) {
            Release(hWnd, true);
        }
        return 0;
    default:
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

} // namespace headless
