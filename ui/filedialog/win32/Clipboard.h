// Putting a text on the clipboard.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_CLIPBOARD_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_CLIPBOARD_H

#include <windows.h>

#include <string>

// The text replaces what the clipboard held, as CF_TEXT. An empty text, or a clipboard that
// cannot be opened, leaves the clipboard as it is.
void CopyToClipboard(HWND owner, const std::string& text);

#endif
