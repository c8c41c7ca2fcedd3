#include "framework/FileDialog.h"

#include "framework/WinApp.h"

#include <algorithm>
#include <cstring>

CFileDialog::CFileDialog(BOOL openFileDialog, LPCSTR defExt, LPCSTR fileName, DWORD flags,
                         LPCSTR filter, CWnd* parent)
    : CDialog(0, parent), m_bOpenFileDialog(openFileDialog) {
    m_ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    m_ofn.lpstrFile = m_fileName.data();
    m_ofn.nMaxFile = kFileNameCapacity;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof(m_szFileTitle);
    m_ofn.lpstrDefExt = defExt;
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLEHOOK;
    m_ofn.lpfnHook = &HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    if (fileName != nullptr) {
        std::strncpy(m_fileName.data(), fileName, kFileNameCapacity - 1);
    }
    if (filter != nullptr) {
        // "text|pattern|...|" becomes "text\0pattern\0...\0", and the string's own
        // terminator closes the list.
        m_strFilter = filter;
        std::replace(m_strFilter.begin(), m_strFilter.end(), '|', '\0');
        m_ofn.lpstrFilter = m_strFilter.c_str();
    }
}

INT_PTR CFileDialog::DoModal() {
    m_ofn.hwndOwner = OwnerWindow();
    m_ofn.hInstance = AfxGetInstanceHandle();
    // On Windows these two calls reach the file dialog extension: start-up redirects the
    // program's imports of them (InitLibrary, app/win32/FileDialogRedirection.cpp).
    BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    m_hWnd = nullptr;
    return chosen ? IDOK : IDCANCEL;
}

// The dialog's record arrives with WM_INITDIALOG and carries the dialog object.
UINT_PTR CALLBACK CFileDialog::HookProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* record = reinterpret_cast<OPENFILENAMEA*>(lParam);
        reinterpret_cast<CFileDialog*>(record->lCustData)->m_hWnd = hWnd;
    }
    return 0;
}

std::string CFileDialog::GetPathName() const {
    return m_ofn.lpstrFile;
}
