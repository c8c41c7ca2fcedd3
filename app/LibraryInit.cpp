#include "app/LibraryInit.h"

#ifdef LUMETRIX_WIN32
#include "app/win32/DroppedFiles.h"
#include "app/win32/FileDialogRedirection.h"
#endif

// Only the real window system has import tables to redirect and a message filter to open;
// the headless one's file dialogs stay as they are.
int InitLibrary(HMODULE module) {
#ifdef LUMETRIX_WIN32
    // From here on the file dialogs of "Laden" and "Speichern" (CFileDialog::DoModal in
    // framework/FileDialog.cpp) run the file dialog extension.
    RedirectFileDialogs(module != nullptr ? module : GetModuleHandleA(nullptr));
    AcceptDroppedFiles();
#else
    (void)module;
#endif
    return 1;
}
