// The history combobox that takes the place of the dialog's file-name edit. The edit stays,
// hidden, and both controls are subclassed so that the dialog, which still talks to its edit,
// and the user, who works in the combobox, see the same text.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_HISTORYCOMBO_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_HISTORYCOMBO_H

#include "ui/filedialog/win32/FileDialogExtension.h"

#include <windows.h>

#include <string>

// Puts the combobox over the dialog's file-name edit and notes both controls and their
// procedures in the dialog; false when the frame has no such edit.
bool CreateHistoryCombo(ExtendedDialog& dialog);

// The combobox's whole text as the dialog reads it: the selected entry, else the typed text.
std::string ComboText(HWND combo);

// Gives the hidden edit the combobox's typed text, if it differs.
void CopyTextToHiddenEdit(HWND combo);

// The hidden edit's own text, as its private message kGetOwnText reads it.
std::string OwnText(HWND hiddenEdit);

#endif
