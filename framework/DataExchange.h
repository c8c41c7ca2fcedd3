// CDataExchange: the direction and dialog of one UpdateData run, and DDX_Control.
#ifndef LUMETRIX_FRAMEWORK_DATAEXCHANGE_H
#define LUMETRIX_FRAMEWORK_DATAEXCHANGE_H

#include "framework/Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate; // TRUE: controls to variables; FALSE: variables to controls
    CWnd* m_pDlgWnd;
};

// Attaches `control` to the dialog's control `id` the first time it is exchanged.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

#endif
