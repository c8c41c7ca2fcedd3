// CFileDialog: the common open and save dialogs, set up like MFC's.
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
    // IDCANCEL otherwise.
    INT_PTR DoModal() override;
    std::string GetPathName() const;

    OPENFILENAMEA m_ofn{};

private:
    BOOL m_bOpenFileDialog;
    std::string m_strFilter;
    char m_szFileName[MAX_PATH] = {};
    char m_szFileTitle[64] = {};
};

#endif
