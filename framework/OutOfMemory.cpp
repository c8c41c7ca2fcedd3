#include "framework/OutOfMemory.h"

void ReportOutOfMemory(HWND window) {
    try {
        ::MessageBoxA(window, "Nicht gen\xFCgend Arbeitsspeicher !", "Fehler", MB_ICONHAND);
    } catch (const std::bad_alloc&) {
        // the action has ended all the same
    }
}
