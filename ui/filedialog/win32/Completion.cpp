#include "ui/filedialog/win32/Completion.h"

#include "framework/OutOfMemory.h"
#include "ui/filedialog/CompletionListRules.h"
#include "ui/filedialog/DialogLayout.h"
#include "ui/filedialog/HistoryData.h"
#include "ui/filedialog/win32/CompletionList.h"
#include "ui/filedialog/win32/CompletionThread.h"
#include "ui/filedialog/win32/HistoryCombo.h"
#include "ui/filedialog/win32/ScreenPlace.h"

#include <algorithm>
#include <climits>
#include <memory>

namespace {

bool ListVisible(const ExtendedDialog& dialog) {
    return dialog.completionList != nullptr && IsWindowVisible(dialog.completionList);
}

// Puts the list's selected entry into the field: no history entry selected, all of it
// selected for typing over.
void TakeSelectedEntry(ExtendedDialog& dialog) {
    HWND list = dialog.completionList;
    HWND combo = dialog.combo;
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, selected, 0);
    if (selected < 0 || length < 0 || length >= static_cast<LRESULT>(kPathCapacity)) {
        return;
    }
    char entry[kPathCapacity] = "";
    SendMessageA(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(entry));
    dialog.takingEntry = true;
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(combo, entry);
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    dialog.takingEntry = false;
}

// The top of the nearest control under the field that a list of the field's width would cover:
// "Dateityp" in the system's dialogs.
int NextFieldTop(const ExtendedDialog& dialog, const ScreenRect& field) {
    int top = INT_MAX;
    for (HWND control = GetWindow(dialog.frame, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        if (control == dialog.combo || control == dialog.hookWindow || !IsWindowVisible(control)) {
            continue;
        }
        const ScreenRect place = ScreenPlaceOf(control);
        if (place.top >= field.bottom && place.left < field.right && place.right > field.left) {
            top = std::min(top, place.top);
        }
    }
    return top;
}

// As tall as its entries, under the field or over it.
void PlaceList(const ExtendedDialog& dialog) {
    HWND list = dialog.completionList;
    const ScreenRect field = ScreenPlaceOf(dialog.combo);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    FieldSurroundings around{INT_MIN, INT_MAX, NextFieldTop(dialog, field)};
    if (GetMonitorInfoA(MonitorFromWindow(dialog.combo, MONITOR_DEFAULTTONEAREST), &monitor)) {
        around.workAreaTop = monitor.rcWork.top;
        around.workAreaBottom = monitor.rcWork.bottom;
    }
    const int height =
        CompletionListHeight(static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)),
                             static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0)),
                             GetSystemMetrics(SM_CYBORDER));
    const ScreenRect place = CompletionListPlace(field, height, around);
    SetWindowPos(list, HWND_TOP, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOACTIVATE);
}

void OnListChanged(ExtendedDialog& dialog) {
    const CompletionListView view{
        static_cast<int>(SendMessageA(dialog.completionList, LB_GETCOUNT, 0, 0)),
        dialog.completionSession->HasTypedText(),
        SendMessageA(dialog.combo, CB_GETDROPPEDSTATE, 0, 0) != 0};
    switch (ShowingAfterChange(view)) {
    case ListShowing::Hide:
        HideCompletionList(dialog);
        break;
    case ListShowing::Show:
        PlaceList(dialog);
        ShowWindow(dialog.completionList, SW_SHOWNOACTIVATE);
        break;
    case ListShowing::Keep:
        break;
    }
}

// Escape hides a visible list and leaves the dialog open: the field claims the key from the
// dialog manager, which would take it for Cancel.
LRESULT HandleEditPartMessage(HWND editPart, UINT message, WPARAM wParam, LPARAM lParam) {
    ExtendedDialog& dialog = *ExtendedDialogOf(editPart);
    const WNDPROC next = dialog.editPartBeforeCompletion;
    const bool escape = wParam == VK_ESCAPE && ListVisible(dialog);
    if (message == WM_GETDLGCODE && escape && lParam != 0 &&
        reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN) {
        return CallWindowProcA(next, editPart, message, wParam, lParam) | DLGC_WANTMESSAGE;
    }
    if (message == WM_KEYDOWN && escape) {
        HideCompletionList(dialog);
        return 0;
    }
    return CallWindowProcA(next, editPart, message, wParam, lParam);
}

// Memory that runs out in the work ends it with the message, within the procedure.
LRESULT CALLBACK EditPartProcedure(HWND editPart, UINT message, WPARAM wParam, LPARAM lParam) {
    return EndingActionWithoutMemory<LRESULT>(
        editPart, 0, [&] { return HandleEditPartMessage(editPart, message, wParam, lParam); });
}

void ClaimEscapeInField(ExtendedDialog& dialog) {
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    if (!GetComboBoxInfo(dialog.combo, &combo) || combo.hwndItem == nullptr) {
        return;
    }
    dialog.editPartBeforeCompletion = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        combo.hwndItem, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditPartProcedure)));
}

} // namespace

void StartCompletion(ExtendedDialog& dialog, const std::string& folder) {
    if (dialog.completionList != nullptr) {
        return;
    }
    auto wakeUp = std::make_shared<WorkerWakeUp>();
    if (!wakeUp->Exists()) {
        return;
    }
    auto session = std::make_shared<CompletionSession>(ProgramCompletionLock(), wakeUp);
    session->ChangeFolder(folder);
    HWND list = CreateCompletionList(dialog.frame, session);
    if (list == nullptr) {
        return;
    }
    dialog.completionSession = session;
    dialog.completionList = list;
    if (!StartCompletionThread(list, session, wakeUp)) {
        EndCompletion(dialog);
        return;
    }
    ClaimEscapeInField(dialog);
}

void EndCompletion(ExtendedDialog& dialog) {
    if (dialog.completionSession != nullptr) {
        dialog.completionSession->Close();
    }
    if (dialog.completionList != nullptr) {
        DestroyWindow(dialog.completionList);
    }
    dialog.completionSession = nullptr;
    dialog.completionList = nullptr;
    dialog.takingEntry = false;
}

void HideCompletionList(const ExtendedDialog& dialog) {
    if (ListVisible(dialog)) {
        ShowWindow(dialog.completionList, SW_HIDE);
    }
}

void OnCompletionFolderChange(const ExtendedDialog& dialog, const std::string& folder) {
    HideCompletionList(dialog);
    if (dialog.completionSession != nullptr) {
        dialog.completionSession->ChangeFolder(folder);
    }
}

void OnFileNameTyped(const ExtendedDialog& dialog) {
    if (dialog.takingEntry) {
        return;
    }
    const std::string typed = ComboText(dialog.combo);
    if (dialog.completionSession != nullptr) {
        dialog.completionSession->ChangeTypedText(typed);
    }
    if (typed.empty()) {
        HideCompletionList(dialog);
    }
}

void OnFileNameFocusLost(const ExtendedDialog& dialog) {
    HWND focus = GetFocus();
    if (focus != dialog.completionList && !IsChild(dialog.completionList, focus)) {
        HideCompletionList(dialog);
    }
}

void OnCompletionListCommand(ExtendedDialog& dialog, int code) {
    if (dialog.completionList == nullptr) {
        return;
    }
    if (code == LBN_SELCHANGE) {
        TakeSelectedEntry(dialog);
        HideCompletionList(dialog);
    } else if (code == kListChangedCode) {
        OnListChanged(dialog);
    }
}

bool MoveThroughCompletions(ExtendedDialog& dialog, UINT key) {
    if ((key != VK_DOWN && key != VK_UP) || !ListVisible(dialog)) {
        return false;
    }
    HWND list = dialog.completionList;
    const int next = NextCompletionEntry(static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)),
                                         static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)),
                                         key == VK_DOWN);
    if (next >= 0) {
        SendMessageA(list, LB_SETCURSEL, next, 0);
        TakeSelectedEntry(dialog);
    }
    return true;
}
