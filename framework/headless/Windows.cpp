// The window table and the functions that read and change a window's data.
#include "framework/headless/Timers.h"
#include "framework/headless/WindowSystem.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

namespace headless {
namespace {

std::map<HWND, std::unique_ptr<Window>>& WindowTable() {
    static std::map<HWND, std::unique_ptr<Window>> windows;
    return windows;
}

// Handles are never reused, so a stale handle finds nothing.
HWND NewHandle() {
    static std::uintptr_t next = 0x10000;
    next += 4;
    return reinterpret_cast<HWND>(next);
}

} // namespace

Window* FindWindowRecord(HWND hWnd) {
    auto found = WindowTable().find(hWnd);
    return found == WindowTable().end() ? nullptr : found->second.get();
}

void ForEachWindow(const std::function<void(const Window&)>& visit) {
    // Handles grow with every new window, so the table's order is the order of making.
    for (const auto& entry : WindowTable()) {
        visit(*entry.second);
    }
}

HWND AddWindow(Window window) {
    window.handle = NewHandle();
    HWND handle = window.handle;
    bool isControl = (window.style & WS_CHILD) != 0;
    HWND parent = window.parent;
    WindowTable()[handle] = std::make_unique<Window>(std::move(window));
    if (isControl) {
        FindWindowRecord(parent)->children.push_back(handle);
    }
    return handle;
}

void DestroyWindowTree(HWND hWnd) {
    Window* window = FindWindowRecord(hWnd);
    if (window == nullptr) {
        return;
    }
    for (HWND child : std::vector<HWND>(window->children)) {
        DestroyWindowTree(child);
    }
    if (::GetFocus() == hWnd) {
        ::SetFocus(nullptr);
    }
    ::SendMessageA(hWnd, WM_DESTROY, 0, 0);
    ::SendMessageA(hWnd, WM_NCDESTROY, 0, 0);
    RemoveTimers(hWnd);
    WindowTable().erase(hWnd);
}

void NotifyParent(HWND control, int code) {
    Window* window = FindWindowRecord(control);
    if (window == nullptr) {
        return;
    }
    ::SendMessageA(window->parent, WM_COMMAND, MAKEWPARAM(window->id, code),
                   reinterpret_cast<LPARAM>(control));
}

} // namespace headless

using headless::FindWindowRecord;
using headless::Window;

BOOL IsWindow(HWND hWnd) {
    return FindWindowRecord(hWnd) != nullptr;
}

HWND GetParent(HWND hWnd) {
    Window* window = FindWindowRecord(hWnd);
    return window == nullptr ? nullptr : window->parent;
}

HWND GetDlgItem(HWND hDlg, int id) {
    Window* dialog = FindWindowRecord(hDlg);
    if (dialog == nullptr) {
        return nullptr;
    }
    for (HWND child : dialog->children) {
        if (FindWindowRecord(child)->id == id) {
            return child;
        }
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
    Window* window = FindWindowRecord(hWnd);
    return window == nullptr ? 0 : window->id;
}

LONG_PTR GetWindowLongPtrA(HWND hWnd, int index) {
    Window* window = FindWindowRecord(hWnd);
    if (window == nullptr) {
        return 0;
    }
    bool dialog = window->windowClass == headless::WindowClass::Dialog;
    switch (index) {
    case GWL_STYLE:
        return window->style;
    case GWL_EXSTYLE:
        return window->exStyle;
    case GWLP_ID:
        return window->id;
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(window->windowProc);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(window->parent);
    case GWLP_USERDATA:
        return window->userData;
    case DWLP_MSGRESULT:
        return dialog ? window->messageResult : 0;
    case DWLP_DLGPROC:
        return dialog ? reinterpret_cast<LONG_PTR>(window->dialogProc) : 0;
    case DWLP_USER:
        return dialog ? window->dialogUser : 0;
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND hWnd, int index, LONG_PTR value) {
    Window* window = FindWindowRecord(hWnd);
    if (window == nullptr) {
        return 0;
    }
    LONG_PTR previous = GetWindowLongPtrA(hWnd, index);
    bool dialog = window->windowClass == headless::WindowClass::Dialog;
    switch (index) {
    case GWL_STYLE:
        window->style = static_cast<DWORD>(value);
        break;
    case GWL_EXSTYLE:
        window->exStyle = static_cast<DWORD>(value);
        break;
    case GWLP_ID:
        window->id = static_cast<int>(value);
        break;
    case GWLP_WNDPROC:
        window->windowProc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_USERDATA:
        window->userData = value;
        break;
    case DWLP_MSGRESULT:
        if (dialog) {
            window->messageResult = value;
        }
        break;
    case DWLP_USER:
        if (dialog) {
            window->dialogUser = value;
        }
        break;
    default:
        return 0;
    }
    return previous;
}

LONG GetWindowLongA(HWND hWnd, int index) {
    return static_cast<LONG>(GetWindowLongPtrA(hWnd, index));
}

LONG SetWindowLongA(HWND hWnd, int index, LONG value) {
    return static_cast<LONG>(SetWindowLongPtrA(hWnd, index, value));
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR text) {
    return static_cast<BOOL>(
        SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text == nullptr ? "" : text)));
}

int GetWindowTextA(HWND hWnd, LPSTR buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    buffer[0] = '\0';
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hWnd) {
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetDlgItemTextA(HWND hDlg, int id, LPCSTR text) {
    HWND control = GetDlgItem(hDlg, id);
    return control != nullptr && SetWindowTextA(control, text);
}

UINT GetDlgItemTextA(HWND hDlg, int id, LPSTR buffer, int size) {
    HWND control = GetDlgItem(hDlg, id);
    if (control == nullptr) {
        if (buffer != nullptr && size > 0) {
            buffer[0] = '\0';
        }
        return 0;
    }
    return static_cast<UINT>(GetWindowTextA(control, buffer, size));
}

LRESULT SendDlgItemMessageA(HWND hDlg, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND control = GetDlgItem(hDlg, id);
    return control == nullptr ? 0 : SendMessageA(control, msg, wParam, lParam);
}

BOOL CheckDlgButton(HWND hDlg, int id, UINT check) {
    HWND control = GetDlgItem(hDlg, id);
    if (control == nullptr) {
        return FALSE;
    }
    SendMessageA(control, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int id) {
    return static_cast<UINT>(SendDlgItemMessageA(hDlg, id, BM_GETCHECK, 0, 0));
}

BOOL ShowWindow(HWND hWnd, int cmdShow) {
    Window* window = FindWindowRecord(hWnd);
    if (window == nullptr) {
        return FALSE;
    }
    BOOL wasVisible = (window->style & WS_VISIBLE) != 0;
    if (cmdShow == SW_HIDE) {
        window->style &= ~WS_VISIBLE;
    } else {
        window->style |= WS_VISIBLE;
    }
    if (cmdShow == SW_MINIMIZE || cmdShow == SW_SHOWMINIMIZED) {
        window->style |= WS_MINIMIZE;
    }
    if (cmdShow == SW_RESTORE || cmdShow == SW_SHOWNORMAL) {
        window->style &= ~WS_MINIMIZE;
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
    Window* window = FindWindowRecord(hWnd);
    return window != nullptr && (window->style & WS_VISIBLE) != 0;
}

// Nothing is painted in memory: the window only has to exist.
BOOL InvalidateRect(HWND hWnd, const RECT* /*rect*/, BOOL /*erase*/) {
    return FindWindowRecord(hWnd) != nullptr;
}

BOOL EnableWindow(HWND hWnd, BOOL enable) {
    Window* window = FindWindowRecord(hWnd);
    if (window == nullptr) {
        return FALSE;
    }
    BOOL wasDisabled = (window->style & WS_DISABLED) != 0;
    if (enable) {
        window->style &= ~WS_DISABLED;
    } else {
        window->style |= WS_DISABLED;
    }
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd) {
    Window* window = FindWindowRecord(hWnd);
    return window != nullptr && (window->style & WS_DISABLED) == 0;
}

BOOL IsIconic(HWND hWnd) {
    Window* window = FindWindowRecord(hWnd);
    return window != nullptr && (window->style & WS_MINIMIZE) != 0;
}

BOOL GetClientRect(HWND hWnd, LPRECT rect) {
    Window* window = FindWindowRecord(hWnd);
    if (window == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{0, 0, window->width, window->height};
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, LPRECT rect) {
    Window* window = FindWindowRecord(hWnd);
    if (window == nullptr || rect == nullptr) {
        return FALSE;
    }
    LONG left = window->left;
    LONG top = window->top;
    Window* parent = FindWindowRecord(window->parent);
    if ((window->style & WS_CHILD) != 0 && parent != nullptr) {
        left += parent->left;
        top += parent->top;
    }
    *rect = RECT{left, top, left + window->width, top + window->height};
    return TRUE;
}

// Moves and sizes; there is no z-order and no activation, so the rest of the flags mean nothing.
BOOL SetWindowPos(HWND hWnd, HWND, int x, int y, int cx, int cy, UINT flags) {
    Window* window = FindWindowRecord(hWnd);
    if (window == nullptr) {
        return FALSE;
    }
    if ((flags & SWP_NOMOVE) == 0) {
        window->left = x;
        window->top = y;
    }
    if ((flags & SWP_NOSIZE) == 0) {
        window->width = cx;
        window->height = cy;
    }
    return TRUE;
}

// Only GW_OWNER: the owner of a dialog; controls have none.
HWND GetWindow(HWND hWnd, UINT command) {
    Window* window = FindWindowRecord(hWnd);
    if (window == nullptr || command != GW_OWNER || (window->style & WS_CHILD) != 0) {
        return nullptr;
    }
    return window->parent;
}
