// Thin wrappers for the standard controls. They add no virtual functions: build one from a
// control's handle (or attach it with DDX_Control) rather than casting a CWnd pointer.
#ifndef LUMETRIX_FRAMEWORK_CONTROLS_H
#define LUMETRIX_FRAMEWORK_CONTROLS_H

#include "framework/Wnd.h"

#include <string>

class CStatic : public CWnd {
public:
    CStatic() = default;
    explicit CStatic(HWND hWnd) : CWnd(hWnd) {}
    // Shows a bitmap in an SS_BITMAP static; returns the bitmap shown before.
    HBITMAP SetBitmap(HBITMAP bitmap);
};

class CComboBox : public CWnd {
public:
    CComboBox() = default;
    explicit CComboBox(HWND hWnd) : CWnd(hWnd) {}
    int InsertString(int index, LPCSTR text);
    int SetCurSel(int index);
    int GetCurSel() const;
    int GetLBText(int index, LPSTR buffer) const;
    void GetLBText(int index, std::string& text) const;
};

#endif
