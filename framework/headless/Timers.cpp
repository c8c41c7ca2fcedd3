#include "framework/headless/Timers.h"

#include <algorithm>
#include <vector>

namespace headless {
namespace {

struct Timer {
    HWND hWnd;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC proc;
};

std::vector<Timer>& TimerList() {
    static std::vector<Timer> timers;
    return timers;
}

std::vector<Timer>::iterator FindTimer(HWND hWnd, UINT_PTR id) {
    return std::find_if(TimerList().begin(), TimerList().end(),
                        [&](const Timer& timer) { return timer.hWnd == hWnd && timer.id == id; });
}

} // namespace

void DeliverTimers() {
    for (const Timer& timer : std::vector<Timer>(TimerList())) {
        if (FindTimer(timer.hWnd, timer.id) == TimerList().end()) {
            continue; // killed by an earlier tick
        }
        if (timer.proc != nullptr) {
            timer.proc(timer.hWnd, WM_TIMER, timer.id, 0);
        } else {
            SendMessageA(timer.hWnd, WM_TIMER, timer.id, 0);
        }
    }
}

void RemoveTimers(HWND hWnd) {
    auto& timers = TimerList();
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [&](const Timer& timer) { return timer.hWnd == hWnd; }),
                 timers.end());
}

std::optional<UINT> TimerPeriod(HWND hWnd, UINT_PTR id) {
    auto found = FindTimer(hWnd, id);
    if (found == TimerList().end()) {
        return std::nullopt;
    }
    return found->elapse;
}

} // namespace headless

UINT_PTR SetTimer(HWND hWnd, UINT_PTR id, UINT elapse, TIMERPROC timerProc) {
    if (!IsWindow(hWnd)) {
        return 0;
    }
    auto found = headless::FindTimer(hWnd, id);
    if (found != headless::TimerList().end()) {
        *found = {hWnd, id, elapse, timerProc};
    } else {
        headless::TimerList().push_back({hWnd, id, elapse, timerProc});
    }
    return id;
}

BOOL KillTimer(HWND hWnd, UINT_PTR id) {
    auto found = headless::FindTimer(hWnd, id);
    if (found == headless::TimerList().end()) {
        return FALSE;
    }
    headless::TimerList().erase(found);
    return TRUE;
}
