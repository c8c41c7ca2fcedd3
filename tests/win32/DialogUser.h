// What a user does to a real dialog and what they see in it, through the real controls.
// Keys are posted: they take effect once the running modal loop has handled them (see
// ModalScript.h). Everything else acts at once.
#ifndef LUMETRIX_TESTS_WIN32_DIALOGUSER_H
#define LUMETRIX_TESTS_WIN32_DIALOGUSER_H

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

// Acting
void FocusControl(HWND dialog, int id); // as the dialog manager moves the focus
void TypeInto(HWND dialog, int id, const std::string& text); // focus, select all, type
void TypeKeys(const std::string& text);                      // typed into the focused window
void Click(HWND dialog, int id);                             // mouse click on a button
// A click that opens a modal dialog is posted: the next step then runs inside its loop.
void ClickLater(HWND dialog, int id);
// The full path of a file name: the file dialogs move the current folder, so that they are
// given full paths.
std::string FullPath(const std::string& name);
// Types the name into the file-name field of the file dialog with that caption and confirms
// it, as a user does.
void ChooseFile(const std::string& caption, const std::string& name);
void PressKey(UINT virtualKey); // to the focused window
// Keys through the system's input queue, as the keyboard gives them to the active window:
// pressed in order, released in reverse order ({VK_MENU, VK_F4} is Alt+F4).
void PressRealKeys(std::initializer_list<WORD> keys);
void TickFocusTimer(HWND dialog); // one tick of timer 200

// Seeing
std::string TextOf(HWND window);
std::string TextOf(HWND dialog, int id);
// The entries of a list box (LB_GETCOUNT, LB_GETTEXT) or a combobox (CB_GETCOUNT,
// CB_GETLBTEXT), in list order.
std::vector<std::string> EntriesOf(HWND list, UINT countMessage, UINT textMessage);
bool IsChecked(HWND dialog, int id);
bool IsReadOnly(HWND dialog, int id);
int FocusedId(); // 0 when no window of this thread has the focus

struct FieldColours {
    COLORREF brush;      // colour of the brush the dialog paints the field with
    COLORREF background; // text background colour the dialog sets
};
// Asks the dialog for an edit's colours as the edit itself does: a read-only edit asks as a
// static control.
FieldColours AskColours(HWND dialog, int id);
// The colour the edit's background shows on screen, left of its right-aligned text.
COLORREF PaintedBackground(HWND dialog, int id);

// The bitmap resource the picture control shows, found by comparing pixels: 129 or 131 to
// 138; 0 when it shows none, -1 for a bitmap that is none of them.
int ShownPicture(HWND dialog);

// Whether the window lies centred over `over` (over the work area when null) to the pixel,
// and wholly inside the work area.
::testing::AssertionResult IsCentredOver(HWND window, HWND over);

// The visible dialog of this thread with the given caption, or null.
HWND FindDialog(const std::string& caption);

#endif
