// Plays a test's steps inside the modal message loops of the code under test, the way a user
// acts while a dialog is open.
//
// Each step runs from a thread timer that whichever modal loop is running dispatches. The
// system hands out a timer message only when no posted message is waiting, so a step starts
// after the loop has handled everything the previous step posted (keys for the dialog
// manager, commands). A step may open a nested modal dialog: the next step then runs inside
// that dialog's loop.
#ifndef LUMETRIX_TESTS_WIN32_MODALSCRIPT_H
#define LUMETRIX_TESTS_WIN32_MODALSCRIPT_H

#include <functional>
#include <vector>

using Step = std::function<void()>;

struct ScriptOutcome {
    int stepsRun = 0;
    // Dialogs that were still open after the last step and had to be cancelled.
    int dialogsLeftOpen = 0;
};

// Calls `enterLoop` (code that runs a modal dialog: DoModal, InitInstance) and plays `steps`
// inside it. After the last step, every dialog of this thread still open is cancelled, so
// `enterLoop` always returns.
ScriptOutcome PlayInModalLoop(const std::function<void()>& enterLoop, std::vector<Step> steps);

#endif
