#include "app/LibraryInit.h"

namespace {

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

// The program's file dialogs are still the system's own: this is where the file-dialog
// extension will redirect the common-dialog imports of `module` and register its clean-up.
int InitLibrary(HMODULE /*module*/) {
    AcceptDroppedFiles();
    return 1;
}
