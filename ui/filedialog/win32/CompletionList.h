// The completion list: a bordered popup under the file-name field, owned by the file dialog,
// with a sorted list box, its own vertical scroll bar and a size grip. Its list box's
// notifications reach the dialog as commands of kCompletionListId.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_COMPLETIONLIST_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_COMPLETIONLIST_H

#include "ui/filedialog/CompletionSession.h"

#include <windows.h>

#include <memory>

constexpr int kCompletionListId = 1408;
// The worker's notification to the dialog: the list has its first match and may show.
constexpr int kFirstMatchCode = 10;
// The worker's match for the list: its second parameter is a match copy, which the list frees
// once appended, its first carries this marker in its upper half. The system posts no pointer
// with its own list box messages, so the match comes in a message of the list's own.
constexpr UINT kPostedMatchMessage = WM_USER + 0x100;
constexpr WPARAM kPostedMatchMarker = 0x12340000;

// Creates the list, hidden. It closes the session when it is destroyed, and frees the copies
// still on their way to it.
HWND CreateCompletionList(HWND dialog, std::shared_ptr<CompletionSession> session);

#endif
