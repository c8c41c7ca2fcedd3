#include "framework/DataExchange.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) {
        control.m_hWnd = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
    }
}
