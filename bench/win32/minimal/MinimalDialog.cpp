// minimal_dialog.exe: the least a dialog program does, built with the same toolchain and
// options as lumetrix.exe. bench/win32/StartUpTimes.cpp times its start-up next to the program's.
#include <windows.h>

namespace {

// A dialog template in memory: the dialog with one static text and an OK button, in the same
// font as the program's dialogs. Every part lands on a DWORD boundary, as the system wants.
struct alignas(DWORD) Template {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title[8], pointSize, font[14];
    struct Control {
        DLGITEMTEMPLATE item;
        WORD classPrefix, classAtom, text[8], extra;
    } label, button;
};

const Template kTemplate = {
    {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER, 0, 2, 0, 0, 160,
     60},
    0,
    0,
    {'M', 'i', 'n', 'i', 'm', 'a', 'l', 0},
    8,
    {'M', 'S', ' ', 'S', 'a', 'n', 's', ' ', 'S', 'e', 'r', 'i', 'f', 0},
    {{WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 10, 10, 140, 8, 0xFFFF},
     0xFFFF,
     0x0082,
     {'D', 'i', 'a', 'l', 'o', 'g', 0, 0},
     0},
    {{WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 55, 35, 50, 14, IDOK},
     0xFFFF,
     0x0080,
     {'O', 'K', 0, 0, 0, 0, 0, 0},
     0},
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(
        DialogBoxIndirectParamA(instance, &kTemplate.dialog, nullptr, DialogProc, 0));
}
