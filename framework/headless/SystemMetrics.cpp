#include "framework/HeadlessWin32Api.h"

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kTaskbarHeight = 40;

} // namespace

// A 1024 x 768 screen with 32-pixel icons.
int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        return kScreenWidth;
    case SM_CYSCREEN:
        return kScreenHeight;
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}

// Only SPI_GETWORKAREA: the screen above a taskbar along its bottom edge.
BOOL SystemParametersInfoA(UINT action, UINT, LPVOID pvParam, UINT) {
    if (action != SPI_GETWORKAREA || pvParam == nullptr)
        return FALSE;
    *static_cast<RECT*>(pvParam) = RECT{0, 0, kScreenWidth, kScreenHeight - kTaskbarHeight};
    return TRUE;
}
