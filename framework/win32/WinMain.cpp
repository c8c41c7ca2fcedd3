// Entry point of lumetrix.exe, as the framework's programs have it: the global application
// object does all its work in InitInstance. Our programs return FALSE from it and so end at
// once; there is no application message loop to run afterwards.
#include "framework/OutOfMemory.h"
#include "framework/WinApp.h"

namespace {

// Memory ran out where no window could report it, as while the program starts.
constexpr int kOutOfMemory = 3;

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return 0;
    }
    app->m_lpCmdLine = commandLine;
    try {
        app->InitInstance();
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory(nullptr);
        return kOutOfMemory;
    }
    return 0;
}
