// CWinApp: the one application object of the process.
#ifndef LUMETRIX_FRAMEWORK_WINAPP_H
#define LUMETRIX_FRAMEWORK_WINAPP_H

#include "framework/WinTypes.h"

#include <string>

class CWnd;

class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // Runs the application; FALSE ends the process once it returns.
    virtual BOOL InitInstance();

    // Kept for the start-up sequence; dialogs look the same without it.
    BOOL Enable3dControlsStatic() { return TRUE; }

    CWnd* m_pMainWnd = nullptr;
    // The application's name: the executable's file name without folder and extension.
    LPCSTR m_pszAppName;
    // The arguments the program was started with, without its own name; null when it has none.
    LPSTR m_lpCmdLine = nullptr;

private:
    std::string m_appName;
};

// The file name of a path without its folder and its extension.
std::string AppNameFromPath(const std::string& path);

// The application object, or null when the process has none (the native tests).
CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// Kept for the start-up sequence; our dialogs hold no ActiveX controls.
void AfxEnableControlContainer(void* occManager = nullptr);

#endif
