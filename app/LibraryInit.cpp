#include "app/LibraryInit.h"

#include <cstdlib>

namespace {

// Runs at exit; the file-dialog extension frees here what it creates on first use.
void ReleaseFileDialogExtension() {}

// Lets files be dropped onto our dialogs from programs with fewer rights. Windows before
// Vista has no ChangeWindowMessageFilter, so it is looked up at run time and skipped when
// missing. Only the real window system has such a filter.
void AcceptDroppedFiles() {
#ifdef LUMETRIX_WIN32
    const UINT kCopyGlobalData = 0x0049; // WM_COPYGLOBALDATA, carries the dropped data
    const UINT kMessages[] = {kCopyGlobalData, WM_COPYDATA, WM_DROPFILES};
    using ChangeFilter = BOOL(WINAPI*)(UINT message, DWORD flag);
    FARPROC found = GetProcAddress(GetModuleHandleA("USER32"), "ChangeWindowMessageFilter");
    if (found == nullptr)
        return;
    auto changeFilter = reinterpret_cast<ChangeFilter>(reinterpret_cast<void (*)()>(found));
    for (UINT message : kMessages)
        changeFilter(message, MSGFLT_ADD);
#endif
}

} // namespace

int InitLibrary(HMODULE module) {
    std::atexit(ReleaseFileDialogExtension);
    // The file-dialog extension redirects the common-dialog imports of `module` here.
    (void)module;
    AcceptDroppedFiles();
    return 1;
}
