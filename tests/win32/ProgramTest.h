// Runs the real program inside a test: the application object's InitInstance builds the
// main dialog and runs it, while the test's steps play inside its modal loop.
#ifndef LUMETRIX_TESTS_WIN32_PROGRAMTEST_H
#define LUMETRIX_TESTS_WIN32_PROGRAMTEST_H

#include "ModalScript.h"

#include <gtest/gtest.h>
#include <windows.h>

class ProgramTest : public ::testing::Test {
protected:
    // Runs the program with the steps. Before the first step, `main` is set to the main
    // dialog and its focus timer is stopped, so that only TickFocusTimer moves the help panel.
    void RunProgram(std::vector<Step> steps);

    HWND main = nullptr;
    bool focusTimerWasRunning = false;
    bool mainWindowWasTheDialog = false;
    BOOL initInstanceResult = TRUE;
    ScriptOutcome outcome;
};

#endif
