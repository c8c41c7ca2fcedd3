#include "ui/filedialog/win32/FileDialogReplacement.h"

#include "framework/FileDialog.h"
#include "framework/OutOfMemory.h"
#include "ui/filedialog/HistoryValueName.h"
#include "ui/filedialog/win32/FileDialogExtension.h"
#include "ui/filedialog/win32/FrameProcedure.h"

#include <memory>

FileDialogExtension g_fileDialogExtension;

namespace {

// The frame's property that holds its extended dialog.
const char kExtendedDialogProperty[] = "LumetrixExtendedDialog";

constexpr UINT_PTR kMaxDefaultExtension = 256;
constexpr int kTemplateExtraHeight = 100;

// The dialog object every file dialog's own window is attached to, so that the dialog's
// notifications, which the system sends to that window, reach the frame procedure.
class SharedDialog : public CFileDialog {
public:
    SharedDialog() : CFileDialog(TRUE) {}

    void Attach(HWND dialog) { SubclassWindow(dialog); }

    // Commands stay with the dialog's own procedure: OK and Cancel must not end this window.
    BOOL OnCommand(WPARAM, LPARAM) override { return FALSE; }

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.code <= static_cast<UINT>(CDN_FIRST) &&
            header.code >= static_cast<UINT>(CDN_FIRST - 7)) {
            HandleDialogNotification(GetParent(m_hWnd), header);
        }
        return CFileDialog::OnNotify(wParam, lParam, result);
    }
};

// Created at the first file dialog and kept for the process.
std::unique_ptr<SharedDialog> g_sharedDialog;

// The dialog's first message: the prepared dialog moves to the frame, and the frame procedure
// takes the place of the frame's own.
ExtendedDialog* AttachPreparedDialog(HWND hookWindow) {
    HWND frame = GetParent(hookWindow);
    if (g_fileDialogExtension.preparedDialog == nullptr ||
        !SetPropA(frame, kExtendedDialogProperty, g_fileDialogExtension.preparedDialog.get())) {
        return nullptr;
    }
    ExtendedDialog* dialog = g_fileDialogExtension.preparedDialog.release();
    dialog->frame = frame;
    dialog->hookWindow = hookWindow;
    dialog->frameProcedure = reinterpret_cast<DLGPROC>(
        SetWindowLongPtrA(frame, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&FrameProcedure)));
    return dialog;
}

UINT_PTR HandleHookMessage(HWND hookWindow, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        if (g_sharedDialog == nullptr) {
            g_sharedDialog = std::make_unique<SharedDialog>();
        }
        g_sharedDialog->Attach(hookWindow);
    }
    ExtendedDialog* dialog = ExtendedDialogOf(hookWindow);
    if (dialog == nullptr) {
        dialog = AttachPreparedDialog(hookWindow);
    }
    LPOFNHOOKPROC callerHook = dialog != nullptr ? dialog->callerHook : nullptr;
    return callerHook != nullptr ? callerHook(hookWindow, message, wParam, lParam) : 0;
}

// Memory that runs out in the work ends it with the message, within the procedure.
UINT_PTR CALLBACK HookProcedure(HWND hookWindow, UINT message, WPARAM wParam, LPARAM lParam) {
    return EndingActionWithoutMemory<UINT_PTR>(
        hookWindow, 0, [&] { return HandleHookMessage(hookWindow, message, wParam, lParam); });
}

bool IsExplorerWithSizing(DWORD flags) {
    const DWORD wanted = OFN_EXPLORER | OFN_ENABLESIZING;
    return (flags & wanted) == wanted;
}

BOOL RunReplacement(LPOPENFILENAMEA record, bool save) {
    const DWORD callerFlags = record->Flags & ~static_cast<DWORD>(OFN_READONLY);
    const LPOFNHOOKPROC callerHookField = record->lpfnHook;
    if ((record->Flags & OFN_ENABLETEMPLATE) == 0) {
        record->Flags |= OFN_ENABLESIZING;
    }
    if (IsBadStringPtrA(record->lpstrDefExt, kMaxDefaultExtension)) {
        record->lpstrDefExt = nullptr;
    }
    FileDialogExtension& extension = g_fileDialogExtension;
    auto dialog = std::make_unique<ExtendedDialog>();
    dialog->historyValueName = HistoryValueName(record->lpstrDefExt);
    if (!save && !extension.enlarged && !extension.callRunning &&
        IsExplorerWithSizing(record->Flags)) {
        extension.extraHeight = record->lpTemplateName != nullptr ? kTemplateExtraHeight : 0;
    }
    dialog->callerHook = (record->Flags & OFN_ENABLEHOOK) != 0 ? record->lpfnHook : nullptr;
    record->Flags |= OFN_ENABLEHOOK;
    record->lpfnHook = &HookProcedure;

    dialog->saveDialog = save;
    extension.preparedDialog = std::move(dialog);
    const bool callRunning = extension.callRunning;
    extension.callRunning = true;
    const BOOL result = save ? extension.systemSave(record) : extension.systemOpen(record);
    extension.callRunning = callRunning;
    extension.preparedDialog = nullptr; // a dialog that never started

    record->lpfnHook = callerHookField;
    record->Flags = callerFlags | (record->Flags & OFN_READONLY);
    return result;
}

} // namespace

BOOL WINAPI GetOpenFileNameReplacement(LPOPENFILENAMEA record) {
    return RunReplacement(record, false);
}

BOOL WINAPI GetSaveFileNameReplacement(LPOPENFILENAMEA record) {
    return RunReplacement(record, true);
}

ExtendedDialog* ExtendedDialogOf(HWND window) {
    while (window != nullptr) {
        if (auto* dialog =
                static_cast<ExtendedDialog*>(GetPropA(window, kExtendedDialogProperty))) {
            return dialog;
        }
        // Up to the frame, never on to the window that owns it.
        const bool child = (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0;
        window = child ? GetParent(window) : nullptr;
    }
    return nullptr;
}

void DeleteExtendedDialog(HWND frame) {
    const std::unique_ptr<ExtendedDialog> owned(
        static_cast<ExtendedDialog*>(RemovePropA(frame, kExtendedDialogProperty)));
}

void DeleteSharedDialog() {
    g_sharedDialog.reset();
}
