// lumetrix_startup_times.exe: the program's start-up, from starting it until its main dialog is
// on screen and answers, next to the least dialog program's (bench/win32/minimal/), plain and
// with the program's manifest; seven runs each, printed as median and fastest. Run it under
// Wine as the Windows suite runs (scripts/lib/wine-emulator) or on Windows.
#include "bench/win32/Stopwatch.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct VisibleWindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<VisibleWindowSearch*>(search);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != wanted.processId || !IsWindowVisible(window)) {
        return TRUE;
    }
    wanted.found = window;
    return FALSE;
}

// Milliseconds from starting a program until its first window is visible and the program
// answers messages again; the window is then closed and the program ends.
double StartUpTime(const char* program) {
    std::string command = std::string("\"") + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const LARGE_INTEGER start = Now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", program);
        return -1;
    }
    VisibleWindowSearch search{process.dwProcessId, nullptr};
    while (search.found == nullptr && MillisecondsSince(start) < 20000) {
        Sleep(1);
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    }
    DWORD_PTR answer;
    SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer);
    const double time = MillisecondsSince(start);
    if (search.found == nullptr) {
        std::fprintf(stderr, "%s showed no window within 20 s\n", program);
    }
    PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "%s did not end within 20 s of its window's closing\n", program);
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return time;
}

// Under Wine without a window manager, both programs frame their windows themselves, as the
// suite does (elsewhere the key means nothing).
void FrameWindowsInWine(const char* program, bool on) {
    const std::string key = std::string("Software\\Wine\\AppDefaults\\") + program;
    if (!on) {
        RegDeleteKeyA(HKEY_CURRENT_USER, (key + "\\X11 Driver").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
        return;
    }
    HKEY driver;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (key + "\\X11 Driver").c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &driver, nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(driver, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
        RegCloseKey(driver);
    }
}

} // namespace

int main() {
    const char* const names[] = {"lumetrix.exe", "minimal_dialog.exe", "minimal_styled_dialog.exe"};
    const char* const programs[] = {LUMETRIX_EXE, MINIMAL_DIALOG_EXE, MINIMAL_STYLED_DIALOG_EXE};
    for (const char* name : names) {
        FrameWindowsInWine(name, true);
    }
    std::vector<double> times[3];
    for (int run = 0; run < 7; ++run) {
        for (int p = 0; p < 3; ++p) {
            times[p].push_back(StartUpTime(programs[p]));
        }
    }
    for (const char* name : names) {
        FrameWindowsInWine(name, false);
    }
    // On a busy machine the fastest of the runs says more than their median.
    for (std::vector<double>& programTimes : times) {
        std::sort(programTimes.begin(), programTimes.end());
    }
    std::printf("start-up to main dialog on screen: median %.1f ms, fastest %.1f ms (minimal "
                "dialog program: %.1f ms, %.1f ms; with the program's manifest: %.1f ms, "
                "%.1f ms)\n",
                Median(times[0]), times[0][0], Median(times[1]), times[1][0], Median(times[2]),
                times[2][0]);
    return 0;
}
