// The frame procedure: the file dialog's own frame, as the extension changes it. Each message
// the extension acts on has its handler below; everything then goes on to the frame's previous
// dialog procedure, except the context menu, which ends here. When the frame's window goes, its
// extended dialog goes with it.
#include "ui/filedialog/win32/FrameProcedure.h"

#include "framework/ErrorCaption.h"
#include "framework/OutOfMemory.h"
#include "ui/filedialog/DialogLayout.h"
#include "ui/filedialog/FieldTextLimits.h"
#include "ui/filedialog/HistoryData.h"
#include "ui/filedialog/win32/Clipboard.h"
#include "ui/filedialog/win32/Completion.h"
#include "ui/filedialog/win32/CompletionList.h"
#include "ui/filedialog/win32/FileDialogExtension.h"
#include "ui/filedialog/win32/FolderRecorder.h"
#include "ui/filedialog/win32/HistoryCombo.h"
#include "ui/filedialog/win32/RegistryHistory.h"
#include "ui/filedialog/win32/ScreenPlace.h"

#include <algorithm>
#include <commctrl.h>
#include <optional>
#include <string>
#include <windowsx.h>

namespace {

// The dialog's current folder; empty when it has none or it does not fit a path.
std::string CurrentFolder(HWND frame) {
    char folder[kPathCapacity] = "";
    const LRESULT size =
        SendMessageA(frame, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
    if (size <= 0 || size > static_cast<LRESULT>(sizeof folder)) {
        return "";
    }
    folder[sizeof folder - 1] = '\0';
    return folder;
}

void EnlargeFirstDialog(HWND frame) {
    FileDialogExtension& extension = g_fileDialogExtension;
    if (extension.enlarged) {
        return;
    }
    extension.enlarged = true;
    const DialogSize size = EnlargedSize(GetSystemMetrics(SM_CXICON), extension.extraHeight);
    SetWindowPos(frame, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER);
}

void OnFirstShowing(ExtendedDialog& dialog) {
    EnlargeFirstDialog(dialog.frame);
    if (dialog.combo != nullptr || !CreateHistoryCombo(dialog)) {
        return;
    }
    SetFocus(dialog.combo);
    LoadHistory(dialog);
    StartCompletion(dialog, CurrentFolder(dialog.frame));
}

// Enter: a path typed with forward slashes gets backslashes, which the dialog understands.
void TurnSlashesIntoBackslashes(HWND combo) {
    std::string text = ComboText(combo);
    if (std::count(text.begin(), text.end(), '/') == 0) {
        return;
    }
    std::replace(text.begin(), text.end(), '/', '\\');
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(combo, text.c_str());
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

// At the mouse, or from the keyboard at the window the menu was asked for.
void ShowFolderMenu(HWND frame, HWND window, LPARAM position) {
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    UINT alignment = TPM_BOTTOMALIGN;
    if (position == -1) {
        const MenuPlace place = KeyboardMenuPlace(ScreenPlaceOf(window), ScreenPlaceOf(frame));
        at = {place.x, place.y};
        alignment = (place.rightAligned ? TPM_RIGHTALIGN : TPM_LEFTALIGN) |
                    (place.bottomAligned ? TPM_BOTTOMALIGN : TPM_TOPALIGN);
    }
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kCopyFolderCommand, "Kopiere aktuellen Pfad");
    TrackPopupMenu(menu, alignment, at.x, at.y, 0, frame, nullptr);
    DestroyMenu(menu);
}

bool ShowsFolderMenu(HWND frame, HWND window, LPARAM position) {
    if (window != frame && !IsChild(frame, window)) {
        return false;
    }
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    return OffersFolderMenu(window == frame, name, position == -1);
}

void OnHistoryClosedUp(HWND frame, HWND combo) {
    if (SendMessageA(combo, CB_GETCURSEL, 0, 0) < 0) {
        return;
    }
    const DWORD attributes = GetFileAttributesA(ComboText(combo).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        PostMessageA(frame, WM_COMMAND, IDOK, 0);
    }
}

void OnFileNameCommand(ExtendedDialog& dialog, int code) {
    switch (code) {
    case CBN_CLOSEUP:
        OnHistoryClosedUp(dialog.frame, dialog.combo);
        break;
    case EN_CHANGE:
        CopyTextToHiddenEdit(dialog.combo);
        break;
    case CBN_EDITCHANGE:
        OnFileNameTyped(dialog);
        break;
    case CBN_KILLFOCUS:
        OnFileNameFocusLost(dialog);
        break;
    case CBN_DROPDOWN:
        HideCompletionList(dialog);
        break;
    }
}

// A typed path the dialog cannot take is reported instead of handed on: the dialog would
// overrun its own buffer with it. The whole text counts, also one set beyond the field's limit.
bool RefuseTooLongPath(HWND frame, HWND combo) {
    if (FitsFileDialog(ComboText(combo), CurrentFolder(frame))) {
        return false;
    }
    MessageBoxA(frame, kPathTooLongMessage, kErrorCaption, MB_ICONHAND);
    return true;
}

// False when the command ends here.
bool OnCommand(ExtendedDialog& dialog, WPARAM wParam) {
    HWND frame = dialog.frame;
    HWND combo = dialog.combo;
    const int id = LOWORD(wParam);
    if (id == IDOK && combo != nullptr) {
        // Enter in the field mostly reaches the dialog as OK: the dialog manager takes the key
        // before the field sees it.
        TurnSlashesIntoBackslashes(combo);
        if (RefuseTooLongPath(frame, combo)) {
            return false;
        }
        RecordFolder(dialog, ComboText(combo), CurrentFolder(frame));
    } else if (id == kCopyFolderCommand) {
        CopyToClipboard(frame, CurrentFolder(frame));
    } else if (id == kFileNameId && combo != nullptr) {
        OnFileNameCommand(dialog, HIWORD(wParam));
    } else if (id == IDC_COMPLETION_LIST && combo != nullptr) {
        OnCompletionListCommand(dialog, HIWORD(wParam));
    }
    return true;
}

// True when the key was taken: Up and Down then move through the completion list.
bool OnFileNameKey(ExtendedDialog& dialog, NMKEY& key) {
    if (key.nVKey == VK_RETURN) {
        TurnSlashesIntoBackslashes(dialog.combo);
    }
    if (!MoveThroughCompletions(dialog, key.nVKey)) {
        return false;
    }
    key.hdr.idFrom = kKeyConsumed;
    return true;
}

bool OnNotify(ExtendedDialog& dialog, NMHDR& header) {
    return dialog.combo != nullptr && header.idFrom == static_cast<UINT_PTR>(kFileNameId) &&
           header.code == static_cast<UINT>(NM_KEYDOWN) &&
           OnFileNameKey(dialog, reinterpret_cast<NMKEY&>(header));
}

void OnDestroy(ExtendedDialog& dialog) {
    EndCompletion(dialog);
    if (dialog.callerHook != nullptr) {
        dialog.callerHook(dialog.hookWindow, WM_DESTROY, 0, 0);
    }
}

// The answer when the message ends here; nothing when it goes on to the frame's own procedure.
std::optional<INT_PTR> HandleFrameMessage(ExtendedDialog& dialog, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    HWND frame = dialog.frame;
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam != 0) {
            OnFirstShowing(dialog);
        }
        break;
    case WM_COMMAND:
        if (!OnCommand(dialog, wParam)) {
            return TRUE;
        }
        break;
    case WM_NOTIFY:
        if (OnNotify(dialog, *reinterpret_cast<NMHDR*>(lParam))) {
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_MOVING:
    case WM_SIZE:
        HideCompletionList(dialog);
        break;
    case WM_CONTEXTMENU:
        if (!ShowsFolderMenu(frame, reinterpret_cast<HWND>(wParam), lParam)) {
            break;
        }
        ShowFolderMenu(frame, reinterpret_cast<HWND>(wParam), lParam);
        return FALSE;
    case WM_DESTROY:
        OnDestroy(dialog);
        break;
    }
    return std::nullopt;
}

} // namespace

void HandleDialogNotification(HWND frame, const NMHDR& header) {
    ExtendedDialog* dialog = ExtendedDialogOf(frame);
    if (dialog == nullptr) {
        return;
    }
    if (header.code == static_cast<UINT>(CDN_FOLDERCHANGE)) {
        OnCompletionFolderChange(*dialog, CurrentFolder(frame));
    }
    if (header.code == static_cast<UINT>(CDN_FILEOK)) {
        HideCompletionList(*dialog);
    }
    if (header.code == static_cast<UINT>(CDN_FILEOK) && dialog->combo != nullptr) {
        RecordFolderOfChosenFile(*dialog, *reinterpret_cast<const OFNOTIFYA&>(header).lpOFN);
    }
}

INT_PTR HandleFrameWindowMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    ExtendedDialog* dialog = ExtendedDialogOf(frame);
    if (dialog == nullptr) {
        return FALSE;
    }
    if (const std::optional<INT_PTR> answer =
            HandleFrameMessage(*dialog, message, wParam, lParam)) {
        return *answer;
    }
    DLGPROC previous = dialog->frameProcedure;
    const INT_PTR result = previous != nullptr ? previous(frame, message, wParam, lParam) : FALSE;
    if (message == WM_NCDESTROY) {
        DeleteExtendedDialog(frame);
    }
    return result;
}

// Memory that runs out in the work ends it with the message, within the procedure.
INT_PTR CALLBACK FrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    return EndingActionWithoutMemory<INT_PTR>(
        frame, FALSE, [&] { return HandleFrameWindowMessage(frame, message, wParam, lParam); });
}
