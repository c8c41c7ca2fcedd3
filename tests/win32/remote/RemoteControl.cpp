// lumetrix_remote.exe: drives a running lumetrix.exe from outside, for the screenshot scripts.
//
//   lumetrix_remote wait-main    waits until the main dialog is up and idle
//   lumetrix_remote open-about   chooses the about item of the main dialog's system menu
//   lumetrix_remote close        closes the about box, if open, and then the main dialog
//
// wait-main and open-about print the screen area of the window they waited for, in the
// geometry form WIDTHxHEIGHT+X+Y that ImageMagick's -crop takes.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

const char kMainCaption[] = "Lumetrix";
const char kAboutCaption[] = "Info \xFC"
                             "ber Lumetrix";
const char kDialogClass[] = "#32770";
const UINT kAboutCommand = 0x0010;
const int kPatienceMs = 60000;
const int kPollMs = 100;

HWND FindDialog(const char* caption) {
    HWND window = FindWindowA(kDialogClass, caption);
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

HWND WaitForDialog(const char* caption) {
    for (int waited = 0; waited < kPatienceMs; waited += kPollMs) {
        if (HWND window = FindDialog(caption))
            return window;
        Sleep(kPollMs);
    }
    return nullptr;
}

// Waits until the window's program has handled its input and painted. The pause lets the
// main dialog's focus timer (250 ms) show its first picture and Wine pass the pixels to X.
void WaitUntilSettled(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    for (int round = 0; round < 2; ++round) {
        if (process != nullptr)
            WaitForInputIdle(process, kPatienceMs);
        Sleep(500);
    }
    if (process != nullptr)
        CloseHandle(process);
}

// Brings the window to the front, as a click on it would. Without a window manager Wine
// leaves the caption drawn inactive, so it is also told to draw it active.
void Activate(HWND window) {
    SetForegroundWindow(window);
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
}

int PrintGeometry(HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    std::printf("%ldx%ld+%ld+%ld\n", area.right - area.left, area.bottom - area.top, area.left,
                area.top);
    return 0;
}

int Fail(const char* what) {
    std::fprintf(stderr, "lumetrix_remote: %s\n", what);
    return 1;
}

int WaitMain() {
    HWND main = WaitForDialog(kMainCaption);
    if (main == nullptr)
        return Fail("the main dialog did not appear");
    Activate(main);
    WaitUntilSettled(main);
    return PrintGeometry(main);
}

int OpenAbout() {
    HWND main = FindDialog(kMainCaption);
    if (main == nullptr)
        return Fail("the main dialog is not open");
    PostMessageA(main, WM_SYSCOMMAND, kAboutCommand, 0);
    HWND about = WaitForDialog(kAboutCaption);
    if (about == nullptr)
        return Fail("the about box did not appear");
    Activate(about);
    WaitUntilSettled(about);
    return PrintGeometry(about);
}

// WM_CLOSE reaches a dialog as its Cancel command, as the close box does.
int Close() {
    if (HWND about = FindDialog(kAboutCaption))
        PostMessageA(about, WM_CLOSE, 0, 0);
    for (int waited = 0; FindDialog(kAboutCaption) != nullptr; waited += kPollMs) {
        if (waited >= kPatienceMs)
            return Fail("the about box does not close");
        Sleep(kPollMs);
    }
    if (HWND main = FindDialog(kMainCaption))
        PostMessageA(main, WM_CLOSE, 0, 0);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const char* command = argc == 2 ? argv[1] : "";
    if (std::strcmp(command, "wait-main") == 0)
        return WaitMain();
    if (std::strcmp(command, "open-about") == 0)
        return OpenAbout();
    if (std::strcmp(command, "close") == 0)
        return Close();
    return Fail("usage: lumetrix_remote wait-main | open-about | close");
}
