#include "ModalScript.h"

#include <windows.h>

namespace {

struct Playback {
    std::vector<Step> steps;
    ScriptOutcome outcome;
    UINT_PTR timer = 0;
};

Playback* current = nullptr;

bool IsDialog(HWND window) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0;
}

BOOL CALLBACK FindEnabledDialog(HWND window, LPARAM found) {
    if (!IsDialog(window) || !IsWindowEnabled(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The innermost modal dialog is the one dialog of the thread that is enabled: each modal
// dialog disables its owner. A dialog without WS_VISIBLE in its template is shown only when
// its modal loop first finds no message waiting; until then it is hidden.
HWND InnermostDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindEnabledDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK RunNextPass(HWND, UINT, UINT_PTR, DWORD) {
    Playback& playback = *current;
    KillTimer(nullptr, playback.timer);
    playback.timer = 0;

    HWND dialog = InnermostDialog();
    if (dialog != nullptr && !IsWindowVisible(dialog)) {
        // Not shown yet: wait for its loop to show it, as a user would.
    } else if (playback.outcome.stepsRun < static_cast<int>(playback.steps.size())) {
        playback.steps[playback.outcome.stepsRun++]();
    } else if (dialog != nullptr) {
        ++playback.outcome.dialogsLeftOpen;
        EndDialog(dialog, IDCANCEL);
    } else {
        return;
    }
    playback.timer = SetTimer(nullptr, 0, 0, RunNextPass);
}

} // namespace

ScriptOutcome PlayInModalLoop(const std::function<void()>& enterLoop, std::vector<Step> steps) {
    Playback playback;
    playback.steps = std::move(steps);
    current = &playback;
    playback.timer = SetTimer(nullptr, 0, 0, RunNextPass);
    enterLoop();
    if (playback.timer != 0)
        KillTimer(nullptr, playback.timer);
    current = nullptr;
    return playback.outcome;
}
