// The completion list: a bordered popup under the file-name field, owned by the file dialog,
// with a sorted list box, its own vertical scroll bar and a size grip. Its list box's
// notifications reach the dialog as commands of IDC_COMPLETION_LIST.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_COMPLETIONLIST_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_COMPLETIONLIST_H

#include "resources/resource.h"
#include "ui/filedialog/CompletionSession.h"

#include <windows.h>

#include <memory>

// The list's notification to the dialog: its entries changed, it may show or hide.
constexpr int kListChangedCode = 10;
// The worker's word to the list that changes wait in the session. It carries nothing: the list
// takes the changes from the session, so a message from anyone else changes nothing.
constexpr UINT kListChangedMessage = WM_USER + 0x100;

// Creates the list, hidden. It closes the session when it is destroyed.
HWND CreateCompletionList(HWND dialog, std::shared_ptr<CompletionSession> session);

#endif
