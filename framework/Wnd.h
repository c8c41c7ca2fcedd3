// CWnd: a window handle and the message dispatch of our dialog framework.
#ifndef LUMETRIX_FRAMEWORK_WND_H
#define LUMETRIX_FRAMEWORK_WND_H

#include "framework/WinTypes.h"

#include <string>

class CDC;
class CMenu;
class CDataExchange;
struct AFX_CMDHANDLERINFO;

// MFC's code for a command that comes from a menu, an accelerator or the dialog manager;
// it equals BN_CLICKED, so a button click is a command too.
#define CN_COMMAND 0

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    // A wrapper for any handle, kept for the life of the process (null for a null handle).
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* GetFocus();

    HWND GetSafeHwnd() const { return m_hWnd; }
    int GetDlgCtrlID() const;
    CWnd* GetDlgItem(int id) const;

    void SetWindowText(LPCSTR text);
    int GetWindowText(LPSTR buffer, int size) const;
    void GetWindowText(std::string& text) const;
    void SetDlgItemText(int id, LPCSTR text);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;

    CWnd* SetFocus();
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC timerProc = nullptr);
    int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);
    CMenu* GetSystemMenu(BOOL revert) const;
    HICON SetIcon(HICON icon, BOOL bigIcon);
    BOOL IsIconic() const;
    void GetClientRect(LPRECT rect) const;
    // Centres this top-level window over its owner, or over the screen's work area when it has
    // no owner or the owner is hidden or minimised, and keeps it inside the work area.
    void CenterWindow();
    BOOL ShowWindow(int cmdShow);
    BOOL EnableWindow(BOOL enable = TRUE);
    // Switches the window's repainting off while it changes much, and on again (WM_SETREDRAW);
    // after switching it on, Invalidate repaints the window once.
    void SetRedraw(BOOL redraw = TRUE);
    void Invalidate(BOOL erase = TRUE);

    // Data exchange: runs DoDataExchange in the given direction. While it runs, the
    // notifications of this window's controls are ignored (see OnCommand).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Message handling: the window procedure hands every message to WindowProc, which
    // dispatches to the handlers below; what they leave alone goes to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A control's WM_NOTIFY: TRUE when handled, with the message's answer in *result.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo);
    virtual void OnTimer(UINT_PTR idEvent);
    virtual void OnSysCommand(UINT id, LPARAM lParam);
    virtual void OnPaint();
    virtual HCURSOR OnQueryDragIcon();
    virtual HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor);

    // The default handling of the message being dispatched.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;

protected:
    // Routes this window's messages through WindowProc (MFC's subclassing); the previous
    // window procedure does the default handling.
    void SubclassWindow(HWND hWnd);

    // The window procedure of a subclassed window.
    static LRESULT CALLBACK StandardWindowProc(HWND hWnd, UINT message, WPARAM wParam,
                                               LPARAM lParam);

private:
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    WNDPROC m_pfnSuper = nullptr;
};

#endif
