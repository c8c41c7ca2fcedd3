// The in-memory windows of the headless backend: one record per window, looked up by handle.
// Internal to framework/headless.
#ifndef LUMETRIX_FRAMEWORK_HEADLESS_WINDOWSYSTEM_H
#define LUMETRIX_FRAMEWORK_HEADLESS_WINDOWSYSTEM_H

#include "framework/HeadlessWin32Api.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace headless {

enum class WindowClass { Dialog, Edit, Button, Static, ComboBox };

struct Window {
    HWND handle = nullptr;
    HWND parent = nullptr; // the dialog of a control, the owner of a dialog
    WindowClass windowClass = WindowClass::Dialog;
    WNDPROC windowProc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    std::string text;
    // Windows have no frame: the window rectangle is the client area. Its upper-left corner
    // counts from the screen's for a dialog, from its dialog's client area for a control.
    LONG left = 0;
    LONG top = 0;
    LONG width = 0; // client size in pixels
    LONG height = 0;
    RECT units{}; // the template's rectangle in dialog units
    LONG_PTR userData = 0;
    std::vector<HWND> children; // in template order, which is the tab order

    // Dialogs
    DLGPROC dialogProc = nullptr;
    LONG_PTR messageResult = 0;
    LONG_PTR dialogUser = 0;
    bool ended = false;
    INT_PTR result = 0;
    HICON icons[2] = {}; // ICON_SMALL, ICON_BIG
    HMENU systemMenu = nullptr;

    // Controls
    int check = BST_UNCHECKED;
    bool pressed = false; // a button the mouse or the space bar holds down
    std::size_t selectionStart = 0;
    std::size_t selectionEnd = 0;
    bool caretAtStart = false; // an edit's caret stands at the start of its selection
    HANDLE image = nullptr;
    std::vector<std::string> items;
    int currentItem = -1;
    bool redraw = true; // a combobox's own WM_SETREDRAW state; it leaves WS_VISIBLE alone
};

// The window with this handle, or null when there is none (any more).
Window* FindWindowRecord(HWND hWnd);
// Calls `visit` for every window, in the order they were made.
void ForEachWindow(const std::function<void(const Window&)>& visit);
// Adds a window (a control to the end of its parent's children) and returns its new handle.
HWND AddWindow(Window window);
// Destroys a window and its controls: WM_DESTROY and WM_NCDESTROY, timers, focus.
void DestroyWindowTree(HWND hWnd);

// Answers WM_GETTEXT or WM_GETTEXTLENGTH with this text.
LRESULT TextMessage(const std::string& text, UINT msg, WPARAM wParam, LPARAM lParam);

// WM_COMMAND from a control to its dialog.
void NotifyParent(HWND control, int code);
// Delivers the messages posted so far, in order.
void PumpPostedMessages();

// Window procedures of the window classes.
LRESULT CALLBACK DialogWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboBoxWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace headless

#endif
