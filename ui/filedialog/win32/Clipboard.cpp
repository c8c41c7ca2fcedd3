#include "ui/filedialog/win32/Clipboard.h"

#include <cstring>

void CopyToClipboard(HWND owner, const std::string& text) {
    if (text.empty()) {
        return;
    }
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory == nullptr) {
        return;
    }
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, memory) == nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
}
