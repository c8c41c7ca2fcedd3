// Input as a user gives it, one key or mouse button at a time, for a renderer that takes it
// from a real keyboard and mouse. Keys go to a dialog as its dialog manager takes them; the
// messages they cause, and the notifications of those, follow Win32's order. Every function
// delivers the messages posted meanwhile before it returns.
#ifndef LUMETRIX_FRAMEWORK_HEADLESS_USERINPUT_H
#define LUMETRIX_FRAMEWORK_HEADLESS_USERINPUT_H

#include "framework/WinTypes.h"

#include <cstddef>
#include <string>

namespace headless {

// Modifier keys held down with a key (GetKeyState reports them while it is handled).
constexpr unsigned kShiftKey = 1;
constexpr unsigned kControlKey = 2;

// One key pressed and released in `dialog`: Tab and Shift+Tab move the focus along the tab
// order, Enter presses the focused push button or else the default button, Escape cancels.
// Every other key goes to the focused control (the dialog when none has the focus) as
// WM_KEYDOWN, its character (0 for a key without one) as WM_CHAR, then WM_KEYUP.
void PressKey(HWND dialog, UINT virtualKey, char character, unsigned modifiers = 0);
void PressEnter(HWND dialog);
void PressEscape(HWND dialog);

// Alt with a letter: the button whose text has it underlined is clicked, or the focus goes to
// the field after the label that has it (framework/headless/Mnemonic.cpp).
void PressMnemonic(HWND dialog, char letter);

// The left mouse button pressed on a control, then released over it (`over`) or elsewhere:
// a button clicks only when released over itself, as on Windows.
void PressMouse(HWND control);
void ReleaseMouse(HWND control, bool over);
// The mouse selects text in an edit: from `anchor` to the caret.
void SelectText(HWND edit, std::size_t anchor, std::size_t caret);
// Ctrl+V in an edit: the first line of the text replaces the selection, with one EN_CHANGE;
// a read-only edit takes nothing.
void Paste(HWND edit, const std::string& text);
// An entry of a combobox's opened list is clicked (CB_SETCURSEL and CBN_SELCHANGE).
void PickItem(HWND combo, int index);
// An item of the system menu or the close box (SC_CLOSE).
void SystemCommand(HWND dialog, UINT command);
// One WM_TIMER for every timer of every window, in the order they were set.
void TickTimers();

} // namespace headless

#endif
