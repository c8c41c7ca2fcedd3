#include "ProgramTest.h"

#include "app/LumetrixApp.h"
#include "framework/Wnd.h"

void ProgramTest::RunProgram(std::vector<Step> steps) {
    steps.insert(steps.begin(), [this] {
        CWnd* mainWindow = theApp.m_pMainWnd;
        ASSERT_NE(mainWindow, nullptr);
        main = mainWindow->GetSafeHwnd();
        mainWindowWasTheDialog = IsWindowVisible(main) && GetParent(main) == nullptr;
        focusTimerWasRunning = KillTimer(main, 200) != FALSE;
    });
    // The file dialogs move the current folder; each run starts where the suite was started.
    char startFolder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof startFolder, startFolder);
    outcome =
        PlayInModalLoop([this] { initInstanceResult = theApp.InitInstance(); }, std::move(steps));
    SetCurrentDirectoryA(startFolder);
}
