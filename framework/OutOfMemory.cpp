#include "framework/OutOfMemory.h"

#include "framework/ErrorCaption.h"

void ReportOutOfMemory(HWND window) {
    try {
        ::MessageBoxA(window, "Nicht gen\xFCgend Arbeitsspeicher !", kErrorCaption, MB_ICONHAND);
    } catch (const std::bad_alloc&) {
        // the action has ended all the same
    }
}
