// Recording the folder of a chosen path at the top of the history combobox, and saving it.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_FOLDERRECORDER_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_FOLDERRECORDER_H

#include "ui/filedialog/win32/FileDialogExtension.h"

#include <windows.h>

#include <commdlg.h>
#include <string>

// A relative path is taken in the dialog's current folder.
void RecordFolder(ExtendedDialog& dialog, const std::string& path,
                  const std::string& currentFolder);
// The same for the file the dialog's record names, read within its buffer; a path too long for
// the history records nothing.
void RecordFolderOfChosenFile(ExtendedDialog& dialog, const OPENFILENAMEA& record);

#endif
