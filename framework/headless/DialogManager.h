// Dialog windows: creation from a template, the modal loop, keyboard navigation. Internal to
// framework/headless.
#ifndef LUMETRIX_FRAMEWORK_HEADLESS_DIALOGMANAGER_H
#define LUMETRIX_FRAMEWORK_HEADLESS_DIALOGMANAGER_H

#include "framework/headless/DialogTemplate.h"

namespace headless {

// Creates the dialog window and its controls; no message is sent yet.
HWND CreateDialogWindow(const DialogTemplate& dialogTemplate, HWND owner, DLGPROC dialogProc);

// Runs a modal dialog: WM_INITDIALOG, the first focus, then the desktop's driver or answer;
// a dialog still open after that is cancelled, the outermost one without its Cancel command.
// Returns the EndDialog result.
INT_PTR RunModalDialog(const DialogTemplate& dialogTemplate, HWND owner, DLGPROC dialogProc,
                       LPARAM initParam);

// The innermost modal dialog, null when there is none or it has ended.
HWND ActiveModalDialog();

// The control after `from` (or the first, for null) that takes the focus with Tab: visible,
// enabled and WS_TABSTOP, wrapping round; `backward` goes the other way.
HWND NextTabStop(HWND dialog, HWND from, bool backward = false);
// Moves the focus as the dialog manager does it: an edit gets all its text selected.
void FocusDialogControl(HWND control);
bool IsPushButton(HWND control);
// The id of the dialog's BS_DEFPUSHBUTTON, else IDOK.
int DefaultButtonId(HWND dialog);

} // namespace headless

#endif
