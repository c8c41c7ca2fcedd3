#include "framework/headless/Win32Api.h"

// A 1024 x 768 screen with 32-pixel icons.
int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        return 1024;
    case SM_CYSCREEN:
        return 768;
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}
