#include "ui/filedialog/win32/Completion.h"

#include "ui/filedialog/HistoryData.h"
#include "ui/filedialog/win32/CompletionList.h"
#include "ui/filedialog/win32/CompletionThread.h"
#include "ui/filedialog/win32/ExtensionState.h"
#include "ui/filedialog/win32/HistoryCombo.h"

#include <memory>

namespace {

// Where the list shows: under the file-name field (over it where the screen ends too soon),
// left edges aligned, this much narrower.
constexpr int kListNarrower = 20;
constexpr int kListHeight = 120;

// The open dialog's completion; one file dialog is open at a time.
struct DialogCompletion {
    std::shared_ptr<CompletionSession> session;
    HWND list = nullptr;
    bool takingEntry = false; // the field's text changes, but not by typing
};
DialogCompletion g_completion;
WNDPROC g_editPartProcedure = nullptr;

bool ListVisible() {
    return g_completion.list != nullptr && IsWindowVisible(g_completion.list);
}

// Puts the list's selected entry into the field: no history entry selected, all of it
// selected for typing over.
void TakeSelectedEntry(HWND combo) {
    const LRESULT selected = SendMessageA(g_completion.list, LB_GETCURSEL, 0, 0);
    const LRESULT length = SendMessageA(g_completion.list, LB_GETTEXTLEN, selected, 0);
    if (selected < 0 || length < 0 || length >= LRESULT(kPathCapacity))
        return;
    char entry[kPathCapacity] = "";
    SendMessageA(g_completion.list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(entry));
    g_completion.takingEntry = true;
    SendMessageA(combo, CB_SETCURSEL, WPARAM(-1), 0);
    SetWindowTextA(combo, entry);
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    g_completion.takingEntry = false;
}

int ListEntries() {
    return int(SendMessageA(g_completion.list, LB_GETCOUNT, 0, 0));
}

// Under the field, or over it where the list would run off the bottom of the screen.
void PlaceListAt(HWND combo) {
    RECT field;
    GetWindowRect(combo, &field);
    int top = field.bottom;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(combo, MONITOR_DEFAULTTONEAREST), &monitor) &&
        top + kListHeight > monitor.rcWork.bottom)
        top = field.top - kListHeight;
    SetWindowPos(g_completion.list, HWND_TOP, field.left, top,
                 field.right - field.left - kListNarrower, kListHeight, SWP_NOACTIVATE);
}

// The list shows while it has entries for a typed text, and not over the history drop-down.
void OnListChanged(HWND combo) {
    if (ListEntries() == 0) {
        HideCompletionList();
        return;
    }
    if (!g_completion.session->HasTypedText() || ListVisible() ||
        SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0)
        return;
    PlaceListAt(combo);
    ShowWindow(g_completion.list, SW_SHOWNOACTIVATE);
}

// Escape hides a visible list and leaves the dialog open: the field claims the key from the
// dialog manager, which would take it for Cancel.
LRESULT CALLBACK EditPartProcedure(HWND editPart, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool escape = wParam == VK_ESCAPE && ListVisible();
    if (message == WM_GETDLGCODE && escape && lParam != 0 &&
        reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN)
        return CallWindowProcA(g_editPartProcedure, editPart, message, wParam, lParam) |
               DLGC_WANTMESSAGE;
    if (message == WM_KEYDOWN && escape) {
        HideCompletionList();
        return 0;
    }
    return CallWindowProcA(g_editPartProcedure, editPart, message, wParam, lParam);
}

void ClaimEscapeInField(HWND frame) {
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    if (!GetComboBoxInfo(GetDlgItem(frame, kFileNameId), &combo) || combo.hwndItem == nullptr)
        return;
    g_editPartProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        combo.hwndItem, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditPartProcedure)));
}

} // namespace

void StartCompletion(HWND frame, const std::string& folder) {
    if (g_completion.list != nullptr)
        return;
    auto wakeUp = std::make_shared<WorkerWakeUp>();
    if (!wakeUp->Exists())
        return;
    auto session = std::make_shared<CompletionSession>(ProgramCompletionLock(), wakeUp);
    session->ChangeFolder(folder);
    HWND list = CreateCompletionList(frame, session);
    if (list == nullptr)
        return;
    g_completion = {session, list};
    if (!StartCompletionThread(list, session, wakeUp)) {
        EndCompletion();
        return;
    }
    ClaimEscapeInField(frame);
}

void EndCompletion() {
    if (g_completion.session != nullptr)
        g_completion.session->Close();
    if (g_completion.list != nullptr)
        DestroyWindow(g_completion.list);
    g_completion = {};
}

void HideCompletionList() {
    if (ListVisible())
        ShowWindow(g_completion.list, SW_HIDE);
}

void OnCompletionFolderChange(const std::string& folder) {
    HideCompletionList();
    if (g_completion.session != nullptr)
        g_completion.session->ChangeFolder(folder);
}

void OnFileNameTyped(HWND combo) {
    if (g_completion.takingEntry)
        return;
    const std::string typed = ComboText(combo);
    if (g_completion.session != nullptr)
        g_completion.session->ChangeTypedText(typed);
    if (typed.empty())
        HideCompletionList();
}

void OnFileNameFocusLost() {
    HWND focus = GetFocus();
    if (focus != g_completion.list && !IsChild(g_completion.list, focus))
        HideCompletionList();
}

void OnCompletionListCommand(HWND combo, int code) {
    if (g_completion.list == nullptr)
        return;
    if (code == LBN_SELCHANGE) {
        TakeSelectedEntry(combo);
        HideCompletionList();
    } else if (code == kListChangedCode) {
        OnListChanged(combo);
    }
}

bool MoveThroughCompletions(HWND combo, UINT key) {
    if ((key != VK_DOWN && key != VK_UP) || !ListVisible())
        return false;
    const LRESULT count = SendMessageA(g_completion.list, LB_GETCOUNT, 0, 0);
    const LRESULT selected = SendMessageA(g_completion.list, LB_GETCURSEL, 0, 0);
    const LRESULT next = key == VK_DOWN ? selected + 1 : selected - 1;
    if (next >= 0 && next < count && next != selected) {
        SendMessageA(g_completion.list, LB_SETCURSEL, next, 0);
        TakeSelectedEntry(combo);
    }
    return true;
}
