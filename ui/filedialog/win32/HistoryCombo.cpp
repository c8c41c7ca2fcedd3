#include "ui/filedialog/win32/HistoryCombo.h"

#include "framework/OutOfMemory.h"
#include "ui/filedialog/FieldTextLimits.h"
#include "ui/filedialog/HistoryData.h"

#include <commctrl.h>
#include <cstring>
#include <richedit.h>
#include <shellapi.h>

namespace {

constexpr int kDroppedHeight = 260;
// The hidden edit's own text, set and read without repeating it to the combobox.
constexpr UINT kSetOwnText = 0x39AA;
constexpr UINT kGetOwnText = 0x39AB;
// The edit notifications the combobox passes on to the frame as its own: the edit control's,
// and those a rich edit control sends in their place.
constexpr int kPassedEditCodes[] = {EN_SETFOCUS,  EN_KILLFOCUS, EN_CHANGE,      EN_UPDATE,
                                    EN_ERRSPACE,  EN_MAXTEXT,   EN_HSCROLL,     EN_VSCROLL,
                                    EN_SELCHANGE, EN_DROPFILES, EN_CORRECTTEXT, EN_STOPNOUNDO};

// The partner of the history combobox or of the hidden edit.
HWND PartnerControl(HWND control) {
    return GetDlgItem(GetParent(control), GetDlgCtrlID(control) ^ kHiddenIdMask);
}

bool IsEditMessage(UINT message) {
    return message >= EM_GETSEL && message <= EM_GETIMESTATUS;
}

HWND EditPartOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

// The whole text of a window, however long.
std::string WholeText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void SetOwnText(HWND hiddenEdit, const std::string& text) {
    ExtendedDialog& dialog = *ExtendedDialogOf(hiddenEdit);
    dialog.ownTextExchange = {OwnTextExchange::Set, text};
    SendMessageA(hiddenEdit, kSetOwnText, 0, 0);
}

// The private messages' work, only for a request the dialog itself has just put down: the
// messages carry nothing, so one sent or posted by anybody else finds nothing to do.
LRESULT ExchangeOwnText(ExtendedDialog& dialog, HWND edit, UINT message) {
    OwnTextExchange& exchange = dialog.ownTextExchange;
    const OwnTextExchange::Request expected =
        message == kSetOwnText ? OwnTextExchange::Set : OwnTextExchange::Get;
    if (exchange.request != expected) {
        return 0;
    }
    exchange.request = OwnTextExchange::None;
    if (expected == OwnTextExchange::Set) {
        return CallWindowProcA(dialog.hiddenEditProcedure, edit, WM_SETTEXT, 0,
                               reinterpret_cast<LPARAM>(exchange.text.c_str()));
    }
    const auto length = static_cast<std::size_t>(
        CallWindowProcA(dialog.hiddenEditProcedure, edit, WM_GETTEXTLENGTH, 0, 0));
    exchange.text.assign(length + 1, '\0');
    exchange.text.resize(static_cast<std::size_t>(
        CallWindowProcA(dialog.hiddenEditProcedure, edit, WM_GETTEXT, length + 1,
                        reinterpret_cast<LPARAM>(exchange.text.data()))));
    return static_cast<LRESULT>(exchange.text.size());
}

std::string SelectedEntry(HWND combo, LRESULT selected) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, selected, 0);
    if (length <= 0) {
        return "";
    }
    std::string entry(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(std::strlen(entry.c_str()));
    return entry;
}

// WM_GETTEXT and WM_GETTEXTLENGTH: a selected drop-down entry, else the typed text.
LRESULT AnswerText(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected < 0) {
        return SendMessageA(EditPartOf(combo), message, wParam, lParam);
    }
    const std::string entry = SelectedEntry(combo, selected);
    if (message == WM_GETTEXTLENGTH) {
        return static_cast<LRESULT>(entry.size());
    }
    auto* buffer = reinterpret_cast<char*>(lParam);
    if (buffer == nullptr || wParam == 0) {
        return 0;
    }
    const std::string answer = EntryForBuffer(entry, wParam);
    std::memcpy(buffer, answer.c_str(), answer.size() + 1);
    return static_cast<LRESULT>(answer.size());
}

// The text set is what the field then holds and what it answers: a drop-down entry still
// selected from an earlier choice no longer stands for it.
LRESULT SetComboText(WNDPROC comboProcedure, HWND combo, WPARAM wParam, LPARAM lParam) {
    CallWindowProcA(comboProcedure, combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    const LRESULT result = CallWindowProcA(comboProcedure, combo, WM_SETTEXT, wParam, lParam);
    const char* text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
    HWND hiddenEdit = PartnerControl(combo);
    if (OwnText(hiddenEdit) != text) {
        SetOwnText(hiddenEdit, text);
    }
    SetWindowTextA(EditPartOf(combo), text);
    return result;
}

// A key for the frame to look at first: true when the frame took it.
bool FrameTakesKey(HWND combo, WPARAM key, LPARAM flags) {
    NMKEY notification{};
    notification.hdr.hwndFrom = combo;
    notification.hdr.idFrom = kFileNameId;
    notification.hdr.code = static_cast<UINT>(NM_KEYDOWN);
    notification.nVKey = static_cast<UINT>(key);
    notification.uFlags = HIWORD(flags);
    const LRESULT answer = SendMessageA(GetParent(combo), WM_NOTIFY, kFileNameId,
                                        reinterpret_cast<LPARAM>(&notification));
    return notification.hdr.idFrom == kKeyConsumed || answer != 0;
}

bool IsPassedEditCode(int code) {
    for (int passed : kPassedEditCodes) {
        if (code == passed) {
            return true;
        }
    }
    return false;
}

void NotifyFrame(HWND combo, int code, bool post) {
    const WPARAM wParam = MAKEWPARAM(kFileNameId, code);
    const LPARAM lParam = reinterpret_cast<LPARAM>(combo);
    if (post) {
        PostMessageA(GetParent(combo), WM_COMMAND, wParam, lParam);
    } else {
        SendMessageA(GetParent(combo), WM_COMMAND, wParam, lParam);
    }
}

// The whole path, however long: OK refuses one that the dialog cannot take.
void TakeDroppedFile(HWND combo, HDROP drop) {
    std::string path(static_cast<std::size_t>(DragQueryFileA(drop, 0, nullptr, 0)) + 1, '\0');
    path.resize(static_cast<std::size_t>(
        DragQueryFileA(drop, 0, path.data(), static_cast<UINT>(path.size()))));
    if (!path.empty()) {
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SetWindowTextA(combo, path.c_str());
        for (int code : {CBN_EDITCHANGE, EN_CHANGE, EN_DROPFILES}) {
            NotifyFrame(combo, code, true);
        }
    }
    DragFinish(drop);
}

LRESULT HandleComboMessage(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC comboProcedure = ExtendedDialogOf(combo)->comboProcedure;
    switch (message) {
    case WM_SETTEXT:
        return SetComboText(comboProcedure, combo, wParam, lParam);
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return AnswerText(combo, message, wParam, lParam);
    case WM_NOTIFY: {
        const LRESULT result = CallWindowProcA(comboProcedure, combo, message, wParam, lParam);
        SendMessageA(GetParent(combo), message, wParam, lParam);
        return result;
    }
    case WM_KEYDOWN:
        if (FrameTakesKey(combo, wParam, lParam)) {
            return 0;
        }
        break;
    case WM_COMMAND: {
        const int code = HIWORD(wParam);
        if (reinterpret_cast<HWND>(lParam) != EditPartOf(combo) || !IsPassedEditCode(code)) {
            break;
        }
        const LRESULT result = CallWindowProcA(comboProcedure, combo, message, wParam, lParam);
        if (code == EN_CHANGE) {
            CopyTextToHiddenEdit(combo);
        }
        NotifyFrame(combo, code, false);
        return result;
    }
    case WM_DROPFILES:
        if ((GetWindowLongA(combo, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) == 0) {
            break;
        }
        TakeDroppedFile(combo, reinterpret_cast<HDROP>(wParam));
        return 0;
    default:
        if (IsEditMessage(message)) {
            return SendMessageA(EditPartOf(combo), message, wParam, lParam);
        }
    }
    return CallWindowProcA(comboProcedure, combo, message, wParam, lParam);
}

// Memory that runs out in the work ends it with the message, within the procedure.
LRESULT CALLBACK ComboProcedure(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    return EndingActionWithoutMemory<LRESULT>(
        combo, 0, [&] { return HandleComboMessage(combo, message, wParam, lParam); });
}

// The focus is in the combobox's edit part, which hands Up and Down to the combobox's own list
// box: its keys reach the frame first, as the combobox's.
LRESULT HandleEditPartMessage(HWND editPart, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && FrameTakesKey(GetParent(editPart), wParam, lParam)) {
        return 0;
    }
    const WNDPROC editPartProcedure = ExtendedDialogOf(editPart)->editPartProcedure;
    return CallWindowProcA(editPartProcedure, editPart, message, wParam, lParam);
}

// Memory that runs out in the work ends it with the message, within the procedure.
LRESULT CALLBACK EditPartProcedure(HWND editPart, UINT message, WPARAM wParam, LPARAM lParam) {
    return EndingActionWithoutMemory<LRESULT>(
        editPart, 0, [&] { return HandleEditPartMessage(editPart, message, wParam, lParam); });
}

LRESULT HandleHiddenEditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC editProcedure = ExtendedDialogOf(edit)->hiddenEditProcedure;
    switch (message) {
    case kSetOwnText:
    case kGetOwnText:
        return ExchangeOwnText(*ExtendedDialogOf(edit), edit, message);
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            FrameTakesKey(PartnerControl(edit), wParam, lParam);
        }
        break;
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        CallWindowProcA(editProcedure, edit, message, wParam, lParam);
        return SendMessageA(PartnerControl(edit), message, wParam, lParam);
    default:
        if (IsEditMessage(message)) {
            CallWindowProcA(editProcedure, edit, message, wParam, lParam);
            return SendMessageA(PartnerControl(edit), message, wParam, lParam);
        }
    }
    return CallWindowProcA(editProcedure, edit, message, wParam, lParam);
}

// Memory that runs out in the work ends it with the message, within the procedure.
LRESULT CALLBACK HiddenEditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    return EndingActionWithoutMemory<LRESULT>(
        edit, 0, [&] { return HandleHiddenEditMessage(edit, message, wParam, lParam); });
}

} // namespace

bool CreateHistoryCombo(ExtendedDialog& dialog) {
    HWND frame = dialog.frame;
    HWND edit = GetDlgItem(frame, kFileNameId);
    if (edit == nullptr) {
        return false;
    }
    RECT place;
    GetWindowRect(edit, &place);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&place), 2);
    SetWindowLongPtrA(edit, GWLP_ID, kHiddenEditId);
    HWND combo =
        CreateWindowExA(WS_EX_ACCEPTFILES, "COMBOBOX", "",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                        place.left, place.top, place.right - place.left, kDroppedHeight, frame,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFileNameId)),
                        GetModuleHandleA(nullptr), nullptr);
    if (combo == nullptr) {
        SetWindowLongPtrA(edit, GWLP_ID, kFileNameId);
        return false;
    }
    SendMessageA(combo, WM_SETFONT, SendMessageA(edit, WM_GETFONT, 0, 0), FALSE);
    SendMessageA(combo, CB_LIMITTEXT, kFieldTextLimit, 0);
    SetWindowPos(combo, edit, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowTextA(combo, WholeText(edit).c_str());
    ShowWindow(edit, SW_HIDE);
    dialog.combo = combo;
    dialog.hiddenEdit = edit;
    dialog.comboProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboProcedure)));
    dialog.hiddenEditProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HiddenEditProcedure)));
    dialog.editPartProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        EditPartOf(combo), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditPartProcedure)));
    return true;
}

std::string ComboText(HWND combo) {
    return WholeText(combo);
}

void CopyTextToHiddenEdit(HWND combo) {
    const std::string typed = WholeText(EditPartOf(combo));
    HWND hiddenEdit = PartnerControl(combo);
    if (OwnText(hiddenEdit) != typed) {
        SetOwnText(hiddenEdit, typed);
    }
}

std::string OwnText(HWND hiddenEdit) {
    ExtendedDialog& dialog = *ExtendedDialogOf(hiddenEdit);
    dialog.ownTextExchange = {OwnTextExchange::Get, ""};
    SendMessageA(hiddenEdit, kGetOwnText, 0, 0);
    return dialog.ownTextExchange.text;
}
