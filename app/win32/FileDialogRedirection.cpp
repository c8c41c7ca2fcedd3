#include "app/win32/FileDialogRedirection.h"

#include "app/win32/ImportTable.h"
#include "ui/filedialog/win32/FileDialogExtension.h"
#include "ui/filedialog/win32/FileDialogReplacement.h"

#include <cstdlib>
#include <cstring>

namespace {

// Puts `replacement` in an import slot, keeping what the slot held in `system`. A slot that
// cannot be made writable is left as it is. A slot that already holds the replacement keeps
// the system function saved before, so preparing the process twice changes nothing.
void Redirect(FARPROC* slot, FARPROC replacement, FileDialogFunction& system) {
    if (*slot == replacement) {
        return;
    }
    DWORD protection = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_WRITECOPY, &protection)) {
        return;
    }
    system = reinterpret_cast<FileDialogFunction>(reinterpret_cast<void (*)()>(*slot));
    *slot = replacement;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

FARPROC AsImport(FileDialogFunction function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

} // namespace

// The calls redirected here are CFileDialog::DoModal's (framework/FileDialog.cpp), which
// shows the dialogs of "Laden" and "Speichern".
void RedirectFileDialogs(HMODULE module) {
    static bool cleanUpRegistered = false;
    if (!cleanUpRegistered) {
        std::atexit(DeleteSharedDialog);
        cleanUpRegistered = true;
    }
    ForEachCommonDialogImport(module, [](const char* name, FARPROC* slot) {
        if (std::strcmp(name, "GetOpenFileNameA") == 0) {
            Redirect(slot, AsImport(&GetOpenFileNameReplacement), g_fileDialogExtension.systemOpen);
        } else if (std::strcmp(name, "GetSaveFileNameA") == 0) {
            Redirect(slot, AsImport(&GetSaveFileNameReplacement), g_fileDialogExtension.systemSave);
        }
    });
}
