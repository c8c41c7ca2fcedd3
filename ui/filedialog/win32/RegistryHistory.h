// The history combobox's entries and their place in the registry, under the current user.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_REGISTRYHISTORY_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_REGISTRYHISTORY_H

#include <windows.h>

#include <string>
#include <vector>

std::vector<std::string> HistoryEntries(HWND combo);

// Adds the stored folders to the combobox, in stored order; a missing or unreadable value adds
// nothing. Folders the ANSI code page cannot name are not offered but kept for the next save.
void LoadHistory(HWND combo, const std::string& valueName);
// Stores the combobox's first entries, then the folders kept at loading, as they were; when
// the registry refuses, the history stays unsaved.
void SaveHistory(HWND combo, const std::string& valueName);

#endif
