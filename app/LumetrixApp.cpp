#include "app/LumetrixApp.h"

#include "app/LibraryInit.h"
#include "ui/MainDialog.h"

LumetrixApp theApp;

// The whole run of the program: the main dialog is the only window, and FALSE tells the
// framework to end the process once it closes.
BOOL LumetrixApp::InitInstance() {
    InitLibrary(nullptr);
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    MainDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
