// The frame procedure's part in name completion: it starts the worker when the dialog first
// shows, tells it the current folder and the typed text, shows the list while it has matches
// and takes the chosen name into the file-name field. Escape in the field hides a visible list.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_COMPLETION_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_COMPLETION_H

#include "ui/filedialog/win32/FileDialogExtension.h"

#include <windows.h>

#include <string>

// The first showing: creates the hidden list and starts the worker on `folder`, unless a list
// exists already.
void StartCompletion(ExtendedDialog& dialog, const std::string& folder);
// The dialog closes: the worker ends by itself and the list goes.
void EndCompletion(ExtendedDialog& dialog);

void HideCompletionList(const ExtendedDialog& dialog);
// CDN_FOLDERCHANGE: the list empties and the worker reads the new folder.
void OnCompletionFolderChange(const ExtendedDialog& dialog, const std::string& folder);
// CBN_EDITCHANGE, CBN_KILLFOCUS and CBN_DROPDOWN of the file-name field.
void OnFileNameTyped(const ExtendedDialog& dialog);
void OnFileNameFocusLost(const ExtendedDialog& dialog);
// Commands of the completion list: a chosen entry, or entries that came or went.
void OnCompletionListCommand(ExtendedDialog& dialog, int code);
// Up and Down in the file-name field move through the visible list: true when the key was
// taken.
bool MoveThroughCompletions(ExtendedDialog& dialog, UINT key);

#endif
