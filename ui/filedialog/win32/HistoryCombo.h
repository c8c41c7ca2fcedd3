// The history combobox that takes the place of the dialog's file-name edit. The edit stays,
// hidden, and both controls are subclassed so that the dialog, which still talks to its edit,
// and the user, who works in the combobox, see the same text.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_HISTORYCOMBO_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_HISTORYCOMBO_H

#include <windows.h>

#include <string>

// Puts the combobox over the frame's file-name edit; null when the frame has no such edit.
HWND CreateHistoryCombo(HWND frame);

// The combobox's text as the dialog reads it (the selected entry, else the typed text), at
// most 259 characters.
std::string ComboText(HWND combo);

// Gives the hidden edit the combobox's typed text, if it differs.
void CopyTextToHiddenEdit(HWND combo);

#endif
