// Timers of the headless backend: SetTimer records them, the desktop's Tick delivers them.
// Internal to framework/headless.
#ifndef LUMETRIX_FRAMEWORK_HEADLESS_TIMERS_H
#define LUMETRIX_FRAMEWORK_HEADLESS_TIMERS_H

#include "framework/HeadlessWin32Api.h"

#include <optional>

namespace headless {

// One WM_TIMER (or timer procedure call) for every timer, in the order they were set.
void DeliverTimers();
void RemoveTimers(HWND hWnd);
std::optional<UINT> TimerPeriod(HWND hWnd, UINT_PTR id);

} // namespace headless

#endif
