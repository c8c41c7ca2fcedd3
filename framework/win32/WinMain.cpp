// Entry point of lumetrix.exe, as the framework's programs have it: the global application
// object does all its work in InitInstance. Our programs return FALSE from it and so end at
// once; there is no application message loop to run afterwards.
#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    if (CWinApp* app = AfxGetApp()) {
        app->m_lpCmdLine = commandLine;
        app->InitInstance();
    }
    return 0;
}
