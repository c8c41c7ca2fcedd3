#include "app/LumetrixApp.h"

#include "app/LibraryInit.h"
#include "support/CommandLine.h"
#include "ui/MainDialog.h"

LumetrixApp theApp;

// The whole run of the program: the main dialog is the only window, and FALSE tells the
// framework to end the process once it closes. A data file named as the first argument ("Open
// with", a file dropped onto the program's icon) is loaded once the dialog is up.
BOOL LumetrixApp::InitInstance() {
    InitLibrary(nullptr);
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    MainDialog dialog;
    dialog.LoadDataFileAtStart(FirstCommandLineArgument(m_lpCmdLine ? m_lpCmdLine : ""));
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
