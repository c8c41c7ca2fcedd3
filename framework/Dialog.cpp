#include "framework/Dialog.h"

#include "framework/OutOfMemory.h"
#include "framework/WinApp.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

BOOL CDialog::InitModalIndirect(const DLGTEMPLATE* dialogTemplate, CWnd* parent) {
    m_lpDialogTemplate = dialogTemplate;
    m_pParentWnd = parent;
    return TRUE;
}

INT_PTR CDialog::DoModal() {
    HWND owner = OwnerWindow();
    LPARAM self = reinterpret_cast<LPARAM>(this);
    if (m_lpDialogTemplate != nullptr) {
        return ::DialogBoxIndirectParamA(AfxGetInstanceHandle(), m_lpDialogTemplate, owner,
                                         &DialogProc, self);
    }
    return ::DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                             &DialogProc, self);
}

// As MFC does it: without a parent, the application's main window owns the dialog (none while
// the main window is this very dialog, not yet created).
HWND CDialog::OwnerWindow() const {
    if (m_pParentWnd != nullptr) {
        return m_pParentWnd->GetSafeHwnd();
    }
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr) {
        return app->m_pMainWnd->GetSafeHwnd();
    }
    return nullptr;
}

void CDialog::EndDialog(int result) {
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        return HandleInitDialog();
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// As MFC does it: a dialog whose template asks for no position of its own, and that
// OnInitDialog leaves where the dialog manager put it, is centred over its owner.
BOOL CDialog::HandleInitDialog() {
    RECT placed;
    ::GetWindowRect(m_hWnd, &placed);
    BOOL result = OnInitDialog();
    if (!::IsWindow(m_hWnd)) {
        return result;
    }
    RECT initialised;
    ::GetWindowRect(m_hWnd, &initialised);
    const bool moved = initialised.left != placed.left || initialised.top != placed.top;
    const LONG style = ::GetWindowLongA(m_hWnd, GWL_STYLE);
    const LONG placementStyles = DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN | WS_CHILD;
    if (!moved && (style & placementStyles) == 0) {
        CenterWindow();
    }
    return result;
}

BOOL CDialog::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
    for (const CommandMapEntry* entry = GetCommandMap(); entry != nullptr && entry->handler;
         ++entry) {
        if (entry->id == id && static_cast<int>(entry->code) == code) {
            if (handlerInfo == nullptr) {
                (this->*entry->handler)();
            }
            return TRUE;
        }
    }
    if (code == CN_COMMAND && id == IDOK) {
        if (handlerInfo == nullptr) {
            OnOK();
        }
        return TRUE;
    }
    if (code == CN_COMMAND && id == IDCANCEL) {
        if (handlerInfo == nullptr) {
            OnCancel();
        }
        return TRUE;
    }
    return CWnd::OnCmdMsg(id, code, extra, handlerInfo);
}

const CommandMapEntry* CDialog::GetCommandMap() const {
    return nullptr;
}

// The dialog procedure only binds the dialog object: from WM_INITDIALOG on, the window is
// subclassed and its messages reach WindowProc; the dialog manager's own handling is the
// default for what the dialog leaves alone.
INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    try {
        dialog->SubclassWindow(hWnd);
    } catch (const std::bad_alloc&) {
        // Without its object the dialog cannot work: it ends as one that could not be made.
        ReportOutOfMemory(hWnd);
        ::EndDialog(hWnd, -1);
        return FALSE;
    }
    return StandardWindowProc(hWnd, message, wParam, lParam);
}
