#include "ui/filedialog/win32/ExtensionState.h"

FileDialogExtension g_fileDialog;

HWND PartnerControl(HWND control) {
    return GetDlgItem(GetParent(control), GetDlgCtrlID(control) ^ kHiddenIdMask);
}
