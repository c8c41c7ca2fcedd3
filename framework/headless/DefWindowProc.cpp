// The default handling of a message, as DefWindowProc does it for what the program uses.
#include "framework/headless/GdiObjects.h"
#include "framework/headless/WindowSystem.h"

#include <algorithm>
#include <cstring>

namespace {

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer) {
    if (size == 0 || buffer == 0) {
        return 0;
    }
    std::size_t length = std::min<std::size_t>(text.size(), size - 1);
    char* target = reinterpret_cast<char*>(buffer);
    std::memcpy(target, text.data(), length);
    target[length] = '\0';
    return static_cast<LRESULT>(length);
}

LRESULT SystemCommand(HWND hWnd, headless::Window& window, WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        SendMessageA(hWnd, WM_CLOSE, 0, 0);
        break;
    case SC_MINIMIZE:
        window.style |= WS_MINIMIZE;
        break;
    case SC_RESTORE:
        window.style &= ~WS_MINIMIZE;
        break;
    default:
        break;
    }
    return 0;
}

} // namespace

namespace headless {

LRESULT TextMessage(const std::string& text, UINT msg, WPARAM wParam, LPARAM lParam) {
    return msg == WM_GETTEXT ? CopyText(text, wParam, lParam) : static_cast<LRESULT>(text.size());
}

} // namespace headless

LRESULT DefWindowProcA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    headless::Window* window = headless::FindWindowRecord(hWnd);
    if (window == nullptr) {
        return 0;
    }
    switch (msg) {
    case WM_SETTEXT:
        window->text = lParam == 0 ? "" : reinterpret_cast<const char*>(lParam);
        return TRUE;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return headless::TextMessage(window->text, msg, wParam, lParam);
    case WM_SYSCOMMAND:
        return SystemCommand(hWnd, *window, wParam);
    case WM_SETREDRAW:
        // Redrawing off takes the visible style away without hiding the window; on gives it
        // back, even to a window that was hidden before.
        if (wParam != 0) {
            window->style |= WS_VISIBLE;
        } else {
            window->style &= ~WS_VISIBLE;
        }
        return 0;
    case WM_SETICON: {
        HICON& icon = window->icons[wParam == ICON_BIG ? ICON_BIG : ICON_SMALL];
        HICON previous = icon;
        icon = reinterpret_cast<HICON>(lParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(window->icons[wParam == ICON_BIG ? ICON_BIG : ICON_SMALL]);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(hWnd, &paint);
        EndPaint(hWnd, &paint);
        return 0;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), headless::SystemColour(msg));
        return reinterpret_cast<LRESULT>(headless::SystemBrush(msg));
    default:
        return 0;
    }
}
