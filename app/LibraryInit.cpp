#include "app/LibraryInit.h"

#ifdef LUMETRIX_WIN32
#include "app/win32/ImportTable.h"
#include "ui/filedialog/win32/ExtensionState.h"
#include "ui/filedialog/win32/Replacement.h"

#include <cstdlib>
#include <cstring>
#endif

namespace {

#ifdef LUMETRIX_WIN32
// Puts `replacement` in an import slot, keeping what the slot held in `system`. A slot that
// cannot be made writable is left as it is. A slot that already holds the replacement keeps
// the system function saved before, so preparing the process twice changes nothing.
void Redirect(FARPROC* slot, FARPROC replacement, FileDialogFunction& system) {
    if (*slot == replacement)
        return;
    DWORD protection = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_WRITECOPY, &protection))
        return;
    system = reinterpret_cast<FileDialogFunction>(reinterpret_cast<void (*)()>(*slot));
    *slot = replacement;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

FARPROC AsImport(FileDialogFunction function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

// Every open and save dialog of the module goes through the file dialog extension from now on.
void RedirectFileDialogs(HMODULE module) {
    static bool cleanUpRegistered = false;
    if (!cleanUpRegistered) {
        std::atexit(DeleteSharedDialog);
        cleanUpRegistered = true;
    }
    ForEachCommonDialogImport(module, [](const char* name, FARPROC* slot) {
        if (std::strcmp(name, "GetOpenFileNameA") == 0)
            Redirect(slot, AsImport(&OpenReplacement), g_fileDialog.systemOpen);
        else if (std::strcmp(name, "GetSaveFileNameA") == 0)
            Redirect(slot, AsImport(&SaveReplacement), g_fileDialog.systemSave);
    });
}
#endif

// Lets files be dropped onto our dialogs from programs with fewer rights. Windows before
// Vista has no ChangeWindowMessageFilter, so it is looked up at run time and skipped when
// missing. Only the real window system has such a filter.
void AcceptDroppedFiles() {
#ifdef LUMETRIX_WIN32
    const UINT kCopyGlobalData = 0x0049; // WM_COPYGLOBALDATA, carries the dropped data
    const UINT kMessages[] = {kCopyGlobalData, WM_COPYDATA, WM_DROPFILES};
    using ChangeFilter = BOOL(WINAPI*)(UINT message, DWORD flag);
    FARPROC found = GetProcAddress(GetModuleHandleA("USER32"), "ChangeWindowMessageFilter");
    if (found == nullptr) {
        return;
    }
    auto changeFilter = reinterpret_cast<ChangeFilter>(reinterpret_cast<void (*)()>(found));
    for (UINT message : kMessages) {
        changeFilter(message, MSGFLT_ADD);
    }
#endif
}

} // namespace

// The headless window system has no import tables: its file dialogs stay as they are.
int InitLibrary(HMODULE module) {
#ifdef LUMETRIX_WIN32
    RedirectFileDialogs(module != nullptr ? module : GetModuleHandleA(nullptr));
#else
    (void)module;
#endif
    AcceptDroppedFiles();
    return 1;
}
