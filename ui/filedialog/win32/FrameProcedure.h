// The dialog procedure the extension puts in place of the file dialog frame's own.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_FRAMEPROCEDURE_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_FRAMEPROCEDURE_H

#include <windows.h>

// Handles the message and passes it on to the frame's previous dialog procedure.
INT_PTR CALLBACK FrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

// The dialog's notifications (CDN_*), which the system sends to the hook's dialog window: the
// frame procedure handles them there, and the dialog then goes on as usual.
void HandleDialogNotification(HWND frame, const NMHDR& header);

#endif
