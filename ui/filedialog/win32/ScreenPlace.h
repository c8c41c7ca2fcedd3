// A window's place on the screen, as the extension's layout decisions take it.
#ifndef LUMETRIX_UI_FILEDIALOG_WIN32_SCREENPLACE_H
#define LUMETRIX_UI_FILEDIALOG_WIN32_SCREENPLACE_H

#include "ui/filedialog/DialogLayout.h"

#include <windows.h>

inline ScreenRect ScreenPlaceOf(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return {place.left, place.top, place.right, place.bottom};
}

#endif
