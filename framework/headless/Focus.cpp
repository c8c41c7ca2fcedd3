// The keyboard focus. As on Windows, the focus changes first; then the window that lost it
// gets WM_KILLFOCUS (so GetFocus already names the new window) and the new one WM_SETFOCUS.
#include "framework/headless/WindowSystem.h"

namespace {
HWND g_focus = nullptr;
}

HWND GetFocus() {
    return g_focus;
}

HWND SetFocus(HWND hWnd) {
    if (hWnd != nullptr && !IsWindow(hWnd)) {
        return nullptr;
    }
    HWND previous = g_focus;
    if (previous == hWnd) {
        return previous;
    }
    g_focus = hWnd;
    if (IsWindow(previous)) {
        SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    }
    if (hWnd != nullptr && g_focus == hWnd) {
        SendMessageA(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return IsWindow(previous) ? previous : nullptr;
}
