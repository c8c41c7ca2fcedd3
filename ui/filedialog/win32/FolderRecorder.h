// Recording the folder of a chosen path at the top of the history combobox, and saving it.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_FOLDERRECORDER_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_FOLDERRECORDER_H

#include <windows.h>

#include <commdlg.h>
#include <string>

void RecordFolder(HWND combo, const std::string& path);
// The same for the file the dialog's record names, read within its buffer and cut to 259
// characters.
void RecordFolderOfChosenFile(HWND combo, const OPENFILENAMEA& record);

#endif
