// The file dialog extension's program-wide state: one file dialog is open at a time, and the
// extension's procedures share what they know about it here.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_EXTENSIONSTATE_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_EXTENSIONSTATE_H

#include <windows.h>

#include <commdlg.h>
#include <string>

using FileDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);

// Control ids: the history combobox takes the file-name edit's id; the edit, hidden, gets the
// same id XOR kHiddenIdMask, so that each control finds the other.
constexpr int kFileNameId = 1152;
constexpr int kHiddenIdMask = 0x5555;
constexpr int kHiddenEditId = kFileNameId ^ kHiddenIdMask;
constexpr UINT kCopyFolderCommand = 18585;

struct FileDialogExtension {
    FileDialogFunction systemOpen = nullptr;
    FileDialogFunction systemSave = nullptr;
    bool saveDialog = false;
    bool callRunning = false;
    bool enlarged = false;
    int extraHeight = 0;
    LPOFNHOOKPROC callerHook = nullptr;
    DLGPROC frameProcedure = nullptr; // the frame's previous dialog procedure
    HWND hookWindow = nullptr;
    std::string historyValueName;
};

extern FileDialogExtension g_fileDialog;

// The partner of the history combobox or of the hidden edit.
HWND PartnerControl(HWND control);

#endif
