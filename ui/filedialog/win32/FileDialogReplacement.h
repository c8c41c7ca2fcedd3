// What the program's file dialogs call in place of the system's GetOpenFileNameA and
// GetSaveFileNameA once start-up has redirected them (app/win32/FileDialogRedirection.cpp).
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_FILEDIALOGREPLACEMENT_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_FILEDIALOGREPLACEMENT_H

#include <windows.h>

#include <commdlg.h>

// Run the system's dialog with the extension's hook and give the caller its record back as
// it was, apart from what the dialog fills in.
BOOL WINAPI GetOpenFileNameReplacement(LPOPENFILENAMEA record);
BOOL WINAPI GetSaveFileNameReplacement(LPOPENFILENAMEA record);

// The exit clean-up: deletes the dialog object all file dialogs share.
void DeleteSharedDialog();

#endif
