// The history combobox's entries and their place in the registry, under the current user.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_REGISTRYHISTORY_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_REGISTRYHISTORY_H

#include "ui/filedialog/win32/FileDialogExtension.h"

#include <windows.h>

#include <string>
#include <vector>

std::vector<std::string> HistoryEntries(HWND combo);

// Adds the dialog's stored folders to its combobox, in stored order; a missing or unreadable
// value adds nothing. Folders the ANSI code page cannot name, which the program cannot open,
// are not offered but kept in the dialog for the next save, for the other programs that share
// the value.
void LoadHistory(ExtendedDialog& dialog);
// Stores the combobox's first entries, then the folders kept at loading, as they were; when
// the registry refuses, the history stays unsaved.
void SaveHistory(const ExtendedDialog& dialog);

#endif
