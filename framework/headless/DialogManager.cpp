#include "framework/headless/DialogManager.h"

#include "framework/headless/Desktop.h"
#include "framework/headless/Resources.h"

#include <algorithm>

namespace headless {
namespace {

// Dialog units of 8-point MS Sans Serif in pixels.
LONG HorizontalPixels(short units) {
    return units * 6 / 4;
}
LONG VerticalPixels(short units) {
    return units * 13 / 8;
}

WNDPROC ProcedureOf(WindowClass windowClass) {
    switch (windowClass) {
    case WindowClass::Edit:
        return EditWindowProc;
    case WindowClass::Button:
        return ButtonWindowProc;
    case WindowClass::ComboBox:
        return ComboBoxWindowProc;
    case WindowClass::Static:
        return StaticWindowProc;
    case WindowClass::Dialog:
        break;
    }
    return DialogWindowProc;
}

// An SS_ICON or SS_BITMAP static shows the image its template names.
HANDLE TemplateImage(const ControlTemplate& control) {
    if (control.windowClass != WindowClass::Static || control.imageId == 0) {
        return nullptr;
    }
    DWORD type = control.style & SS_TYPEMASK;
    if (type == SS_ICON) {
        return LoadIconA(nullptr, MAKEINTRESOURCEA(control.imageId));
    }
    if (type == SS_BITMAP) {
        return LoadBitmapA(nullptr, MAKEINTRESOURCEA(control.imageId));
    }
    return nullptr;
}

Window ControlWindow(const ControlTemplate& control, HWND dialog) {
    Window window;
    window.parent = dialog;
    window.windowClass = control.windowClass;
    window.windowProc = ProcedureOf(control.windowClass);
    window.style = control.style | WS_CHILD;
    window.exStyle = control.exStyle;
    window.id = control.id & 0xFFFF; // templates hold 16-bit ids
    window.text = control.text;
    window.left = HorizontalPixels(control.x);
    window.top = VerticalPixels(control.y);
    window.width = HorizontalPixels(control.cx);
    window.height = VerticalPixels(control.cy);
    window.units = RECT{control.x, control.y, control.x + control.cx, control.y + control.cy};
    window.image = TemplateImage(control);
    return window;
}

// Where the dialog manager puts a new dialog: centred in the work area for DS_CENTER, else at
// the template's position, which counts from the owner's client area unless DS_ABSALIGN.
void PlaceDialog(Window& dialog, const DialogTemplate& dialogTemplate, HWND owner) {
    if ((dialogTemplate.style & DS_CENTER) != 0) {
        RECT workArea;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
        dialog.left = (workArea.left + workArea.right - dialog.width) / 2;
        dialog.top = (workArea.top + workArea.bottom - dialog.height) / 2;
        return;
    }
    dialog.left = HorizontalPixels(dialogTemplate.x);
    dialog.top = VerticalPixels(dialogTemplate.y);
    RECT ownerArea;
    if ((dialogTemplate.style & DS_ABSALIGN) == 0 && GetWindowRect(owner, &ownerArea)) {
        dialog.left += ownerArea.left;
        dialog.top += ownerArea.top;
    }
}

bool TakesTabFocus(HWND control) {
    return (GetWindowLongA(control, GWL_STYLE) & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) ==
           (WS_TABSTOP | WS_VISIBLE);
}

bool HasEnded(HWND dialog) {
    Window* window = FindWindowRecord(dialog);
    return window == nullptr || window->ended;
}

std::vector<HWND>& ModalDialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}

// What the dialog manager does when the dialog procedure leaves WM_NEXTDLGCTL alone.
void NextDialogControl(HWND dialog, WPARAM wParam, LPARAM lParam) {
    HWND target = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                      : NextTabStop(dialog, GetFocus(), wParam != 0);
    if (target != nullptr) {
        FocusDialogControl(target);
    }
}

bool ReturnsResultDirectly(UINT message) {
    return message == WM_INITDIALOG || message == WM_QUERYDRAGICON ||
           (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

} // namespace

// The window procedure of the dialog class (DefDlgProc): the dialog procedure first; what it
// leaves alone gets the dialog manager's handling.
LRESULT CALLBACK DialogWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* dialog = FindWindowRecord(hWnd);
    if (dialog == nullptr) {
        return 0;
    }
    if (dialog->dialogProc != nullptr) {
        INT_PTR handled = dialog->dialogProc(hWnd, message, wParam, lParam);
        if (handled) {
            return ReturnsResultDirectly(message) ? handled
                                                  : GetWindowLongPtrA(hWnd, DWLP_MSGRESULT);
        }
    }
    switch (message) {
    case WM_CLOSE:
        PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(hWnd, IDCANCEL)));
        return 0;
    case WM_NEXTDLGCTL:
        NextDialogControl(hWnd, wParam, lParam);
        return 0;
    default:
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

HWND CreateDialogWindow(const DialogTemplate& dialogTemplate, HWND owner, DLGPROC dialogProc) {
    Window window;
    window.parent = owner;
    window.windowClass = WindowClass::Dialog;
    window.windowProc = DialogWindowProc;
    window.dialogProc = dialogProc;
    window.style = dialogTemplate.style & ~WS_VISIBLE; // shown once initialised
    window.exStyle = dialogTemplate.exStyle;
    window.text = dialogTemplate.caption;
    window.width = HorizontalPixels(dialogTemplate.cx);
    window.height = VerticalPixels(dialogTemplate.cy);
    window.units = RECT{dialogTemplate.x, dialogTemplate.y, dialogTemplate.x + dialogTemplate.cx,
                        dialogTemplate.y + dialogTemplate.cy};
    PlaceDialog(window, dialogTemplate, owner);
    HWND dialog = AddWindow(window);
    for (const ControlTemplate& control : dialogTemplate.controls) {
        AddWindow(ControlWindow(control, dialog));
    }
    return dialog;
}

namespace {

// Initialises and shows the dialog, lets its user work in it and, for a nested dialog, cancels
// it if he left it open.
void RunModalLoop(HWND dialog, bool outermost, LPARAM initParam) {
    // No control has the focus during WM_INITDIALOG; TRUE asks for the first tab stop, found
    // again afterwards since the dialog may have shown or hidden controls.
    WPARAM firstTabStop = reinterpret_cast<WPARAM>(NextTabStop(dialog, nullptr));
    if (SendMessageA(dialog, WM_INITDIALOG, firstTabStop, initParam) && !HasEnded(dialog)) {
        HWND first = NextTabStop(dialog, nullptr);
        if (first != nullptr) {
            FocusDialogControl(first);
        }
    }
    if (!HasEnded(dialog)) {
        ShowWindow(dialog, SW_SHOW);
    }
    PumpPostedMessages();

    if (!HasEnded(dialog) && Desktop::Current() != nullptr) {
        Desktop::Current()->RunDialog(dialog, outermost);
    }
    PumpPostedMessages();
    // A nested dialog left open is cancelled as its user would; the outermost one ends with
    // the run, as when the program's process ends, asking nothing.
    if (!HasEnded(dialog) && !outermost) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        PumpPostedMessages();
    }
}

// As the owner becomes active again, the focus returns to where it was.
void CloseModalDialog(HWND dialog, HWND previousFocus) {
    SetFocus(IsWindow(previousFocus) ? previousFocus : nullptr);
    DestroyWindowTree(dialog);
    ModalDialogs().pop_back();
}

} // namespace

INT_PTR RunModalDialog(const DialogTemplate& dialogTemplate, HWND owner, DLGPROC dialogProc,
                       LPARAM initParam) {
    bool outermost = ModalDialogs().empty();
    HWND previousFocus = GetFocus();
    HWND dialog = CreateDialogWindow(dialogTemplate, owner, dialogProc);
    ModalDialogs().push_back(dialog);
    try {
        RunModalLoop(dialog, outermost, initParam);
    } catch (...) {
        // An exception that leaves the loop (the dialog's user, or code that lets it through)
        // takes the window with it: the C++ object that unwinding then destroys never outlives
        // it.
        CloseModalDialog(dialog, previousFocus);
        throw;
    }
    Window* window = FindWindowRecord(dialog);
    if (!window->ended) { // a dialog that refuses to be cancelled cannot hold the run up
        window->ended = true;
        window->result = IDCANCEL;
    }
    INT_PTR result = window->result;
    CloseModalDialog(dialog, previousFocus);
    return result;
}

HWND ActiveModalDialog() {
    if (ModalDialogs().empty() || HasEnded(ModalDialogs().back())) {
        return nullptr;
    }
    return ModalDialogs().back();
}

HWND NextTabStop(HWND dialog, HWND from, bool backward) {
    Window* window = FindWindowRecord(dialog);
    if (window == nullptr) {
        return nullptr;
    }
    std::vector<HWND> order = window->children;
    if (backward) {
        std::reverse(order.begin(), order.end());
    }
    auto start = std::find(order.begin(), order.end(), from);
    std::size_t first = start == order.end() ? 0 : (start - order.begin()) + 1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        HWND candidate = order[(first + i) % order.size()];
        if (TakesTabFocus(candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

void FocusDialogControl(HWND control) {
    Window* window = FindWindowRecord(control);
    if (window == nullptr) {
        return;
    }
    if (window->windowClass == WindowClass::Edit) {
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
    SetFocus(control);
}

bool IsPushButton(HWND control) {
    Window* window = FindWindowRecord(control);
    if (window == nullptr || window->windowClass != WindowClass::Button) {
        return false;
    }
    DWORD type = window->style & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

int DefaultButtonId(HWND dialog) {
    Window* window = FindWindowRecord(dialog);
    for (HWND child : window->children) {
        Window* control = FindWindowRecord(child);
        if (control->windowClass == WindowClass::Button &&
            (control->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            return control->id;
        }
    }
    return IDOK;
}

} // namespace headless

INT_PTR DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam) {
    const auto& dialogs = headless::Resources().dialogs;
    auto found = dialogs.find(headless::ResourceId(templateName));
    if (found == dialogs.end()) {
        return -1;
    }
    return headless::RunModalDialog(found->second, owner, dialogProc, initParam);
}

INT_PTR DialogBoxIndirectParamA(HINSTANCE, LPCDLGTEMPLATEA dialogTemplate, HWND owner,
                                DLGPROC dialogProc, LPARAM initParam) {
    if (dialogTemplate == nullptr) {
        return -1;
    }
    std::optional<headless::DialogTemplate> parsed = headless::ReadBinaryTemplate(dialogTemplate);
    if (!parsed) {
        return -1;
    }
    return headless::RunModalDialog(*parsed, owner, dialogProc, initParam);
}

BOOL EndDialog(HWND hDlg, INT_PTR result) {
    headless::Window* dialog = headless::FindWindowRecord(hDlg);
    if (dialog == nullptr || dialog->windowClass != headless::WindowClass::Dialog) {
        return FALSE;
    }
    dialog->ended = true;
    dialog->result = result;
    return TRUE;
}
