#include "framework/Wnd.h"

#include "framework/DataExchange.h"
#include "framework/Gdi.h"
#include "framework/Menu.h"
#include "framework/OutOfMemory.h"

#include <map>
#include <memory>
#include <new>

namespace {

// The message being dispatched, for Default().
struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
CurrentMessage g_currentMessage{};

// The window whose UpdateData is running: its controls' notifications are ignored meanwhile.
HWND g_lockoutNotifyWindow = nullptr;

std::map<HWND, CWnd*>& SubclassedWindows() {
    static std::map<HWND, CWnd*> windows;
    return windows;
}

} // namespace

CWnd* CWnd::FromHandle(HWND hWnd) {
    static std::map<HWND, std::unique_ptr<CWnd>> wrappers;
    if (hWnd == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CWnd>& wrapper = wrappers[hWnd];
    if (!wrapper) {
        wrapper = std::make_unique<CWnd>(hWnd);
    }
    return wrapper.get();
}

CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}

int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}

CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(::GetDlgItem(m_hWnd, id));
}

void CWnd::SetWindowText(LPCSTR text) {
    ::SetWindowTextA(m_hWnd, text);
}

int CWnd::GetWindowText(LPSTR buffer, int size) const {
    return ::GetWindowTextA(m_hWnd, buffer, size);
}

void CWnd::GetWindowText(std::string& text) const {
    std::string buffer(::GetWindowTextLengthA(m_hWnd) + 1, '\0');
    int length = ::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    text.assign(buffer.data(), length);
}

void CWnd::SetDlgItemText(int id, LPCSTR text) {
    ::SetDlgItemTextA(m_hWnd, id, text);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendDlgItemMessageA(m_hWnd, id, message, wParam, lParam);
}

void CWnd::CheckDlgButton(int id, UINT check) {
    ::CheckDlgButton(m_hWnd, id, check);
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    return ::IsDlgButtonChecked(m_hWnd, id);
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC timerProc) {
    return ::SetTimer(m_hWnd, id, elapse, timerProc);
}

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
    return ::MessageBoxA(m_hWnd, text, caption, type);
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const {
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert));
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bigIcon, reinterpret_cast<LPARAM>(icon)));
}

BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}

void CWnd::GetClientRect(LPRECT rect) const {
    ::GetClientRect(m_hWnd, rect);
}

namespace {

// The left or top edge that centres an extent over the span first..last, moved back inside
// the span areaFirst..areaLast where it would stick out (at areaFirst if it does not fit).
LONG CentredEdge(LONG extent, LONG first, LONG last, LONG areaFirst, LONG areaLast) {
    LONG edge = (first + last) / 2 - extent / 2;
    if (edge + extent > areaLast) {
        edge = areaLast - extent;
    }
    if (edge < areaFirst) {
        edge = areaFirst;
    }
    return edge;
}

} // namespace

void CWnd::CenterWindow() {
    RECT workArea;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT centre = workArea;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &centre);
    }
    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    ::SetWindowPos(m_hWnd, nullptr,
                   CentredEdge(width, centre.left, centre.right, workArea.left, workArea.right),
                   CentredEdge(height, centre.top, centre.bottom, workArea.top, workArea.bottom), 0,
                   0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::ShowWindow(int cmdShow) {
    return ::ShowWindow(m_hWnd, cmdShow);
}

BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}

void CWnd::SetRedraw(BOOL redraw) {
    SendMessage(WM_SETREDRAW, redraw);
}

void CWnd::Invalidate(BOOL erase) {
    ::InvalidateRect(m_hWnd, nullptr, erase);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    HWND previousLockout = g_lockoutNotifyWindow;
    g_lockoutNotifyWindow = m_hWnd;
    DoDataExchange(&exchange);
    g_lockoutNotifyWindow = previousLockout;
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!Dispatch(message, wParam, lParam, result)) {
        result = DefWindowProc(message, wParam, lParam);
    }
    return result;
}

bool CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam) != FALSE;
    case WM_NOTIFY:
        return OnNotify(wParam, lParam, &result) != FALSE;
    case WM_TIMER:
        OnTimer(wParam);
        return true;
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return true;
    case WM_PAINT:
        OnPaint();
        return true;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
        return true;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        CDC dc(reinterpret_cast<HDC>(wParam));
        CWnd* control = FromHandle(reinterpret_cast<HWND>(lParam));
        result = reinterpret_cast<LRESULT>(OnCtlColor(&dc, control, message - WM_CTLCOLORMSGBOX));
        return true;
    }
    default:
        return false;
    }
}

// As MFC does it: a command from a control is ignored while UpdateData runs for this window;
// a command without a control (menu, accelerator, dialog manager) has the code CN_COMMAND.
BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    int code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr) {
        code = CN_COMMAND;
    } else if (g_lockoutNotifyWindow == m_hWnd) {
        return TRUE;
    }
    if (id == 0) {
        return FALSE;
    }
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}

BOOL CWnd::OnCmdMsg(UINT, int, void*, AFX_CMDHANDLERINFO*) {
    return FALSE;
}

void CWnd::OnTimer(UINT_PTR) {
    Default();
}

void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}

void CWnd::OnPaint() {
    Default();
}

HCURSOR CWnd::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(Default());
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}

LRESULT CWnd::Default() {
    return DefWindowProc(g_currentMessage.message, g_currentMessage.wParam,
                         g_currentMessage.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr) {
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

// The window is registered first: when memory runs out there, nothing has changed.
void CWnd::SubclassWindow(HWND hWnd) {
    SubclassedWindows()[hWnd] = this;
    m_hWnd = hWnd;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StandardWindowProc)));
}

LRESULT CALLBACK CWnd::StandardWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto found = SubclassedWindows().find(hWnd);
    if (found == SubclassedWindows().end()) {
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
    CWnd* window = found->second;

    CurrentMessage outer = g_currentMessage;
    g_currentMessage = {message, wParam, lParam};
    const LRESULT result = EndingActionWithoutMemory<LRESULT>(
        hWnd, 0, [&] { return window->WindowProc(message, wParam, lParam); });
    g_currentMessage = outer;

    // The window is gone: hand it back to its own procedure and forget it.
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(window->m_pfnSuper));
        SubclassedWindows().erase(hWnd);
        window->m_hWnd = nullptr;
        window->m_pfnSuper = nullptr;
    }
    return result;
}
