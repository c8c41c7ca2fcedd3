// CDC and CPaintDC: device contexts for colours and painting.
#ifndef LUMETRIX_FRAMEWORK_GDI_H
#define LUMETRIX_FRAMEWORK_GDI_H

#include "framework/WinTypes.h"

class CWnd;

class CDC {
public:
    CDC() = default;
    explicit CDC(HDC hDC) : m_hDC(hDC) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    HDC GetSafeHdc() const { return m_hDC; }
    COLORREF SetBkColor(COLORREF colour);
    BOOL DrawIcon(int x, int y, HICON icon);

    HDC m_hDC = nullptr;
};

// The device context of one WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

#endif
