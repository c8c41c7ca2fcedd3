#include "framework/WinApp.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() {
    g_app = this;
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    m_appName = AppNameFromPath(path);
    m_pszAppName = m_appName.c_str();
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

std::string AppNameFromPath(const std::string& path) {
    const std::size_t folderEnd = path.find_last_of("\\/:");
    std::string name = folderEnd == std::string::npos ? path : path.substr(folderEnd + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

CWinApp* AfxGetApp() {
    return g_app;
}

HINSTANCE AfxGetInstanceHandle() {
    return ::GetModuleHandleA(nullptr);
}

void AfxEnableControlContainer(void*) {}
