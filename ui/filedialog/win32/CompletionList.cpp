#include "ui/filedialog/win32/CompletionList.h"
#include "framework/OutOfMemory.h"

#include <algorithm>
#include <memory>
#include <windowsx.h>

namespace {

const char kClassName[] = "LumetrixCompletionList";
constexpr int kListBoxId = 1;
constexpr int kWheelNotch = WHEEL_DELTA;

// The list window's own state, attached to it; it goes with the window.
struct ListWindow {
    std::shared_ptr<CompletionSession> session;
    HWND listBox = nullptr;
    WNDPROC listBoxProcedure = nullptr; // the list box's own
    HWND scrollBar = nullptr;
    int wheelDelta = 0; // of a notch not yet complete
    bool sizing = false;
    POINT sizingFrom{};
    SIZE sizeFrom{};
};

int ScrollBarWidth() {
    return GetSystemMetrics(SM_CXVSCROLL);
}

// The size grip sits in the bottom-right corner, under the scroll bar.
RECT GripOf(HWND list) {
    RECT client;
    GetClientRect(list, &client);
    const int side = ScrollBarWidth();
    return {client.right - side, client.bottom - side, client.right, client.bottom};
}

void SyncScrollBar(const ListWindow& state) {
    RECT box;
    GetClientRect(state.listBox, &box);
    const int itemHeight =
        std::max(1, static_cast<int>(SendMessageA(state.listBox, LB_GETITEMHEIGHT, 0, 0)));
    const int count = static_cast<int>(SendMessageA(state.listBox, LB_GETCOUNT, 0, 0));
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = std::max(0, count - 1);
    info.nPage = static_cast<UINT>(std::max(1, static_cast<int>(box.bottom / itemHeight)));
    info.nPos = static_cast<int>(SendMessageA(state.listBox, LB_GETTOPINDEX, 0, 0));
    SetScrollInfo(state.scrollBar, SB_CTL, &info, TRUE);
}

void ScrollTo(const ListWindow& state, int top) {
    SendMessageA(state.listBox, LB_SETTOPINDEX, std::max(0, top), 0);
    SyncScrollBar(state);
}

void Layout(HWND list, const ListWindow& state) {
    RECT client;
    GetClientRect(list, &client);
    const int side = ScrollBarWidth();
    MoveWindow(state.listBox, 0, 0, std::max(0, static_cast<int>(client.right) - side),
               client.bottom, TRUE);
    MoveWindow(state.scrollBar, client.right - side, 0, side,
               std::max(0, static_cast<int>(client.bottom) - side), TRUE);
    InvalidateRect(list, nullptr, TRUE);
    SyncScrollBar(state);
}

void OnScroll(const ListWindow& state, int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(state.scrollBar, SB_CTL, &info);
    const int page = static_cast<int>(info.nPage);
    int top = info.nPos;
    switch (request) {
    case SB_LINEUP:
        --top;
        break;
    case SB_LINEDOWN:
        ++top;
        break;
    case SB_PAGEUP:
        top -= page;
        break;
    case SB_PAGEDOWN:
        top += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        top = info.nTrackPos;
        break;
    case SB_TOP:
        top = 0;
        break;
    case SB_BOTTOM:
        top = info.nMax;
        break;
    default:
        return;
    }
    ScrollTo(state, top);
}

// The wheel scrolls by whole notches; a part of a notch waits for the rest.
void OnWheel(ListWindow& state, int delta) {
    state.wheelDelta += delta;
    const int notches = state.wheelDelta / kWheelNotch;
    state.wheelDelta %= kWheelNotch;
    UINT linesPerNotch = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
    const int top = static_cast<int>(SendMessageA(state.listBox, LB_GETTOPINDEX, 0, 0));
    ScrollTo(state, top - notches * static_cast<int>(linesPerNotch));
}

void StartSizing(HWND list, ListWindow& state, POINT at) {
    RECT place;
    GetWindowRect(list, &place);
    state.sizing = true;
    ClientToScreen(list, &at);
    state.sizingFrom = at;
    state.sizeFrom = {place.right - place.left, place.bottom - place.top};
    SetCapture(list);
}

// Dragging the grip resizes the list, to no less than twice the scroll bar's width.
void ContinueSizing(HWND list, const ListWindow& state, POINT at) {
    ClientToScreen(list, &at);
    const int least = 2 * ScrollBarWidth();
    const int width =
        std::max(least, static_cast<int>(state.sizeFrom.cx + at.x - state.sizingFrom.x));
    const int height =
        std::max(least, static_cast<int>(state.sizeFrom.cy + at.y - state.sizingFrom.y));
    SetWindowPos(list, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PaintGrip(HWND list) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(list, &paint);
    RECT grip = GripOf(list);
    DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    EndPaint(list, &paint);
}

void NotifyDialog(HWND list, int code) {
    SendMessageA(GetWindow(list, GW_OWNER), WM_COMMAND, MAKEWPARAM(IDC_COMPLETION_LIST, code),
                 reinterpret_cast<LPARAM>(list));
}

// What the worker queued: the list empties or takes new matches, and the dialog hears of it.
void TakeChanges(HWND list, const ListWindow& state) {
    const CompletionListChanges changes = state.session->TakeListChanges();
    if (!changes.reset && changes.matches.empty()) {
        return;
    }
    // Drawn once, with all of them.
    SendMessageA(state.listBox, WM_SETREDRAW, FALSE, 0);
    if (changes.reset) {
        SendMessageA(state.listBox, LB_RESETCONTENT, 0, 0);
    }
    for (const std::string& match : changes.matches) {
        SendMessageA(state.listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(match.c_str()));
    }
    SendMessageA(state.listBox, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(state.listBox, nullptr, TRUE);
    SyncScrollBar(state);
    NotifyDialog(list, kListChangedCode);
}

// The list box's messages go to it.
LRESULT ForwardToListBox(const ListWindow& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = SendMessageA(state.listBox, message, wParam, lParam);
    SyncScrollBar(state);
    return result;
}

// The entry under the mouse, or -1.
int EntryAt(HWND listBox, LPARAM position) {
    const LRESULT found = SendMessageA(listBox, LB_ITEMFROMPOINT, 0, position);
    return HIWORD(found) == 0 ? static_cast<int>(LOWORD(found)) : -1;
}

// The list box never takes the focus: hovering selects, a click takes the entry under the
// mouse even when it is already selected, and the wheel scrolls the whole list.
LRESULT HandleListBoxMessage(HWND listBox, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto& state =
        *reinterpret_cast<const ListWindow*>(GetWindowLongPtrA(GetParent(listBox), GWLP_USERDATA));
    switch (message) {
    case WM_MOUSEMOVE: {
        const int entry = EntryAt(listBox, lParam);
        if (entry >= 0 && entry != SendMessageA(listBox, LB_GETCURSEL, 0, 0)) {
            SendMessageA(listBox, LB_SETCURSEL, entry, 0);
        }
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const int entry = EntryAt(listBox, lParam);
        if (entry < 0) {
            return 0;
        }
        SendMessageA(listBox, LB_SETCURSEL, entry, 0);
        SendMessageA(GetParent(listBox), WM_COMMAND, MAKEWPARAM(kListBoxId, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(listBox));
        return 0;
    }
    case WM_MOUSEWHEEL:
        return SendMessageA(GetParent(listBox), message, wParam, lParam);
    }
    return CallWindowProcA(state.listBoxProcedure, listBox, message, wParam, lParam);
}

// Memory that runs out in the work ends it with the message, within the procedure.
LRESULT CALLBACK ListBoxProcedure(HWND listBox, UINT message, WPARAM wParam, LPARAM lParam) {
    return EndingActionWithoutMemory<LRESULT>(
        listBox, 0, [&] { return HandleListBoxMessage(listBox, message, wParam, lParam); });
}

void CreateChildren(HWND list, ListWindow& state) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    state.listBox = CreateWindowExA(
        0, "LISTBOX", "",
        WS_CHILD | WS_VISIBLE | LBS_SORT | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, 0, 0,
        0, 0, list, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListBoxId)), instance, nullptr);
    state.scrollBar = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 0,
                                      0, list, nullptr, instance, nullptr);
    HWND dialog = GetWindow(list, GW_OWNER);
    SendMessageA(state.listBox, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), FALSE);
    state.listBoxProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        state.listBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListBoxProcedure)));
    Layout(list, state);
}

LRESULT HandleListMessage(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<ListWindow*>(GetWindowLongPtrA(list, GWLP_USERDATA));
    if (state == nullptr) {
        return DefWindowProcA(list, message, wParam, lParam);
    }
    if (message >= LB_ADDSTRING && message <= LB_MSGMAX) {
        return ForwardToListBox(*state, message, wParam, lParam);
    }
    switch (message) {
    case kListChangedMessage:
        TakeChanges(list, *state);
        return 0;
    case WM_SIZE:
        Layout(list, *state);
        return 0;
    case WM_PAINT:
        PaintGrip(list);
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE; // the file-name field keeps the focus
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == state->listBox) {
            NotifyDialog(list, HIWORD(wParam));
        }
        return 0;
    case WM_VSCROLL:
        OnScroll(*state, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(*state, GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_SETCURSOR: {
        POINT at;
        GetCursorPos(&at);
        ScreenToClient(list, &at);
        RECT grip = GripOf(list);
        if (!PtInRect(&grip, at)) {
            break;
        }
        SetCursor(LoadCursorA(nullptr, IDC_SIZENWSE));
        return TRUE;
    }
    case WM_LBUTTONDOWN: {
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT grip = GripOf(list);
        if (PtInRect(&grip, at)) {
            StartSizing(list, *state, at);
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (state->sizing) {
            ContinueSizing(list, *state, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        }
        return 0;
    case WM_LBUTTONUP:
        if (state->sizing) {
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        state->sizing = false;
        return 0;
    case WM_DESTROY:
        state->session->Close();
        return 0;
    case WM_NCDESTROY: {
        // The window gives its state back, which goes with it.
        const std::unique_ptr<ListWindow> owned(state);
        SetWindowLongPtrA(list, GWLP_USERDATA, 0);
        break;
    }
    }
    return DefWindowProcA(list, message, wParam, lParam);
}

// Memory that runs out in the work ends it with the message, within the procedure.
LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    return EndingActionWithoutMemory<LRESULT>(
        list, 0, [&] { return HandleListMessage(list, message, wParam, lParam); });
}

void RegisterListClass() {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kClassName, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = ListProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
}

} // namespace

HWND CreateCompletionList(HWND dialog, std::shared_ptr<CompletionSession> session) {
    RegisterListClass();
    HWND list = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, "",
                                WS_POPUP | WS_BORDER | WS_CLIPCHILDREN, 0, 0, 200, 120, dialog,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    if (list == nullptr) {
        return nullptr;
    }
    // The window owns its state from here, until WM_NCDESTROY.
    auto owned = std::make_unique<ListWindow>();
    owned->session = std::move(session);
    ListWindow& state = *owned;
    SetWindowLongPtrA(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owned.release()));
    CreateChildren(list, state);
    return list;
}
