// The file dialog extension's state: what the process keeps from one file dialog to the next,
// and what each open dialog holds, attached to the dialog's frame window.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_FILEDIALOGEXTENSION_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_FILEDIALOGEXTENSION_H

#include "ui/filedialog/CompletionSession.h"

#include <windows.h>

#include <commdlg.h>
#include <memory>
#include <string>
#include <vector>

using FileDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);

// Control ids: the history combobox takes the file-name edit's id; the edit, hidden, gets the
// same id XOR kHiddenIdMask, so that each control finds the other.
constexpr int kFileNameId = 1152;
constexpr int kHiddenIdMask = 0x5555;
constexpr int kHiddenEditId = kFileNameId ^ kHiddenIdMask;
constexpr UINT kCopyFolderCommand = 18585;
// Written over the sender id of a key notification by the frame when it has taken the key.
constexpr UINT_PTR kKeyConsumed = 0x12345678;

// A request to the hidden edit's private messages (0x39AA sets its own text, 0x39AB reads it),
// put down by the extension right before it sends one of them. The messages themselves carry
// no pointer: one that another process sends or posts finds no request and does nothing.
struct OwnTextExchange {
    enum Request { None, Set, Get };
    Request request = None;
    std::string text; // the text to set, or the text read
};

// One open file dialog as the extension extends it. The replacement call fills in what the
// caller asked for; the hook attaches it to the dialog's frame at the dialog's first message,
// and the frame deletes it when its window goes.
struct ExtendedDialog {
    // What the caller asked for.
    bool saveDialog = false;
    std::string historyValueName;
    LPOFNHOOKPROC callerHook = nullptr;

    // The dialog's windows, and the window procedures the extension put its own in front of.
    HWND frame = nullptr;
    HWND hookWindow = nullptr;        // the dialog window the hooks are called for
    DLGPROC frameProcedure = nullptr; // the frame's previous dialog procedure
    HWND combo = nullptr;             // the history combobox, once the dialog has shown
    HWND hiddenEdit = nullptr;        // the dialog's own file-name edit, hidden under it
    WNDPROC comboProcedure = nullptr;
    WNDPROC hiddenEditProcedure = nullptr;
    WNDPROC editPartProcedure = nullptr; // the combobox's edit part's
    OwnTextExchange ownTextExchange;
    // The edit part's procedure before completion claimed Escape in it: the history combobox's.
    WNDPROC editPartBeforeCompletion = nullptr;

    // Folders of the history that the ANSI code page cannot name, kept for the next save.
    std::vector<std::wstring> unnamedFolders;

    // Name completion: the session shared with the worker, and the list it fills.
    std::shared_ptr<CompletionSession> completionSession;
    HWND completionList = nullptr;
    bool takingEntry = false; // the field's text changes, but not by typing
};

// The extended dialog a window belongs to (the frame, one of its controls or the hook's dialog
// window); null when it belongs to none.
ExtendedDialog* ExtendedDialogOf(HWND window);
// The frame's window is going: its extended dialog goes with it.
void DeleteExtendedDialog(HWND frame);

// What the extension keeps for the whole process. One file dialog is open at a time.
struct FileDialogExtension {
    FileDialogFunction systemOpen = nullptr;
    FileDialogFunction systemSave = nullptr;
    bool callRunning = false;
    bool enlarged = false; // only the first file dialog of the process is enlarged
    int extraHeight = 0;
    // The dialog the running replacement call prepared, until the hook attaches it to its frame.
    std::unique_ptr<ExtendedDialog> preparedDialog;
};

extern FileDialogExtension g_fileDialogExtension;

#endif
