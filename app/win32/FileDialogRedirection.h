// The redirection of the program's file dialogs to the file dialog extension.
#ifndef LUMETRIX_APP_WIN32_FILEDIALOGREDIRECTION_H
#define LUMETRIX_APP_WIN32_FILEDIALOGREDIRECTION_H

#include <windows.h>

// From now on every GetOpenFileNameA and GetSaveFileNameA that `module` imports runs the file
// dialog extension's replacement; the system's functions are kept for it to call. Calling it
// again changes nothing.
void RedirectFileDialogs(HMODULE module);

#endif
