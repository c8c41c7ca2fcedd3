#include "app/win32/DroppedFiles.h"

#include <windows.h>

// Windows before Vista has no ChangeWindowMessageFilter, so it is looked up at run time and
// skipped when missing.
void AcceptDroppedFiles() {
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
}
