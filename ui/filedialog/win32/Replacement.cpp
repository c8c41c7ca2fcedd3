#include "ui/filedialog/win32/Replacement.h"

#include "framework/FileDialog.h"
#include "ui/filedialog/HistoryValueName.h"
#include "ui/filedialog/win32/ExtensionState.h"
#include "ui/filedialog/win32/FrameProcedure.h"

namespace {

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
        if (header.code <= UINT(CDN_FIRST) && header.code >= UINT(CDN_FIRST - 7))
            HandleDialogNotification(GetParent(m_hWnd), header);
        return CFileDialog::OnNotify(wParam, lParam, result);
    }
};

SharedDialog* g_sharedDialog = nullptr;

UINT_PTR CALLBACK HookProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        if (g_sharedDialog == nullptr)
            g_sharedDialog = new SharedDialog;
        g_sharedDialog->Attach(dialog);
    }
    if (g_fileDialog.frameProcedure == nullptr) {
        g_fileDialog.hookWindow = dialog;
        g_fileDialog.frameProcedure = reinterpret_cast<DLGPROC>(SetWindowLongPtrA(
            GetParent(dialog), DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&FrameProcedure)));
    }
    LPOFNHOOKPROC callerHook = g_fileDialog.callerHook;
    return callerHook != nullptr ? callerHook(dialog, message, wParam, lParam) : 0;
}

bool IsExplorerWithSizing(DWORD flags) {
    const DWORD wanted = OFN_EXPLORER | OFN_ENABLESIZING;
    return (flags & wanted) == wanted;
}

BOOL RunReplacement(LPOPENFILENAMEA record, bool save) {
    const DWORD callerFlags = record->Flags & ~DWORD(OFN_READONLY);
    const LPOFNHOOKPROC callerHookField = record->lpfnHook;
    if ((record->Flags & OFN_ENABLETEMPLATE) == 0)
        record->Flags |= OFN_ENABLESIZING;
    if (IsBadStringPtrA(record->lpstrDefExt, kMaxDefaultExtension))
        record->lpstrDefExt = nullptr;
    g_fileDialog.historyValueName = HistoryValueName(record->lpstrDefExt);
    g_fileDialog.frameProcedure = nullptr;
    if (!save && !g_fileDialog.enlarged && !g_fileDialog.callRunning &&
        IsExplorerWithSizing(record->Flags))
        g_fileDialog.extraHeight = record->lpTemplateName != nullptr ? kTemplateExtraHeight : 0;
    g_fileDialog.callerHook = (record->Flags & OFN_ENABLEHOOK) != 0 ? record->lpfnHook : nullptr;
    record->Flags |= OFN_ENABLEHOOK;
    record->lpfnHook = &HookProcedure;

    g_fileDialog.saveDialog = save;
    g_fileDialog.callRunning = true;
    const BOOL result = save ? g_fileDialog.systemSave(record) : g_fileDialog.systemOpen(record);
    g_fileDialog.callRunning = false;

    record->lpfnHook = callerHookField;
    record->Flags = callerFlags | (record->Flags & OFN_READONLY);
    return result;
}

} // namespace

BOOL WINAPI OpenReplacement(LPOPENFILENAMEA record) {
    return RunReplacement(record, false);
}

BOOL WINAPI SaveReplacement(LPOPENFILENAMEA record) {
    return RunReplacement(record, true);
}

void DeleteSharedDialog() {
    delete g_sharedDialog;
    g_sharedDialog = nullptr;
}
