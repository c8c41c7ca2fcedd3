// CFileDialog: the common open and save dialogs, set up like MFC's: always Explorer-style with
// the framework's hook procedure, and a record of the size the Explorer-style dialogs were
// introduced with, so that every system shows the same dialog.
#ifndef LUMETRIX_FRAMEWORK_FILEDIALOG_H
#define LUMETRIX_FRAMEWORK_FILEDIALOG_H

#include "framework/Dialog.h"

#include <string>

class CFileDialog : public CDialog {
public:
    // `filter` lists "text|pattern|" pairs; the '|' separators become the NULs the system
    // expects.
    explicit CFileDialog(BOOL openFileDialog, LPCSTR defExt = nullptr, LPCSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR filter = nullptr, CWnd* parent = nullptr);

    // Shows the dialog (GetOpenFileNameA or GetSaveFileNameA): IDOK when a file was chosen,
    // IDCANCEL otherwise; CommDlgExtendedError() then tells a cancel (0) from a failure.
    // While it is shown, m_hWnd is the dialog the hook procedure sees.
    INT_PTR DoModal() override;
    std::string GetPathName() const;

    OPENFILENAMEA m_ofn{};

private:
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL m_bOpenFileDialog;
    std::string m_strFilter;
    // Room for a path of any length the system's file functions take, as the "\\?\" form
    // allows, so that no chosen path is cut or refused for its length.
    static constexpr DWORD kFileNameCapacity = 32768;
    std::string m_fileName = std::string(kFileNameCapacity, '\0');
    char m_szFileTitle[64] = {};
};

#endif
