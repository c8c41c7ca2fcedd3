// The static control: text, or the icon or bitmap it shows.
#include "framework/headless/WindowSystem.h"

namespace headless {

LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* label = FindWindowRecord(hWnd);
    if (label == nullptr) {
        return 0;
    }
    switch (message) {
    case STM_SETIMAGE:
    case STM_SETICON: {
        HANDLE previous = label->image;
        label->image = reinterpret_cast<HANDLE>(message == STM_SETICON ? wParam : lParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    case STM_GETIMAGE:
    case STM_GETICON:
        return reinterpret_cast<LRESULT>(label->image);
    default:
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

} // namespace headless
