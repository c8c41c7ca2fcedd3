#include "ModalScript.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// How many passes a dialog may stay hidden before the script goes on without it being shown:
// a dialog that never shows is a failure, not a reason to hang the suite.
const int kPatiencePasses = 500;

struct Playback {
    std::vector<Step> steps;
    ScriptOutcome outcome;
    UINT_PTR timer = 0;
    int hiddenPasses = 0;
};

Playback* g_playback = nullptr; // the script playing now

bool IsDialog(HWND window) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0;
}

BOOL CALLBACK FindEnabledDialog(HWND window, LPARAM found) {
    if (!IsDialog(window) || !IsWindowEnabled(window)) {
        return TRUE;
    }
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
    Playback& playback = *g_playback;
    KillTimer(nullptr, playback.timer);
    playback.timer = 0;

    HWND dialog = InnermostDialog();
    const bool hidden = dialog != nullptr && !IsWindowVisible(dialog);
    if (hidden && ++playback.hiddenPasses < kPatiencePasses) {
        // Not shown yet: wait for its loop to show it, as a user would.
        playback.timer = SetTimer(nullptr, 0, 0, RunNextPass);
        return;
    }
    if (hidden) {
        ADD_FAILURE() << "a dialog was never shown";
    }
    playback.hiddenPasses = 0;

    if (playback.outcome.stepsRun < static_cast<int>(playback.steps.size())) {
        playback.steps[playback.outcome.stepsRun++]();
    } else if (dialog != nullptr) {
        ++playback.outcome.dialogsLeftOpen;
        EndDialog(dialog, IDCANCEL);
        if (hidden) { // a dialog that never showed may have no loop that would end it
            DestroyWindow(dialog);
        }
    } else {
        return;
    }
    playback.timer = SetTimer(nullptr, 0, 0, RunNextPass);
}

} // namespace

ScriptOutcome PlayInModalLoop(const std::function<void()>& enterLoop, std::vector<Step> steps) {
    Playback playback;
    playback.steps = std::move(steps);
    g_playback = &playback;
    playback.timer = SetTimer(nullptr, 0, 0, RunNextPass);
    enterLoop();
    if (playback.timer != 0) {
        KillTimer(nullptr, playback.timer);
    }
    g_playback = nullptr;
    return playback.outcome;
}
