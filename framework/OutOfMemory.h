// Memory that runs out during an action ends the action, not the program, as MFC's memory
// exception does: every window procedure catches it where its work ends, and so no exception
// ever passes through the system's code, which calls the procedures.
#ifndef LUMETRIX_FRAMEWORK_OUTOFMEMORY_H
#define LUMETRIX_FRAMEWORK_OUTOFMEMORY_H

#include "framework/WinTypes.h"

#include <new>

// Tells the user, "Nicht genügend Arbeitsspeicher !"; left out when even that finds no memory.
void ReportOutOfMemory(HWND window);

// The result of `work`, a window procedure's work for one message; when memory runs out in it,
// the message and `failed`.
template <typename Result, typename Work>
Result EndingActionWithoutMemory(HWND window, Result failed, Work work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory(window);
        return failed;
    }
}

#endif
