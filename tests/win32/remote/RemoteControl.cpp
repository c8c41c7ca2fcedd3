// lumetrix_remote.exe: drives a running lumetrix.exe from outside, for the screenshot scripts.
//
//   lumetrix_remote wait-main    waits until the main dialog is up and idle
//   lumetrix_remote open-about   chooses the about item of the main dialog's system menu
//   lumetrix_remote close        closes the about box, if open, and then the main dialog
//   lumetrix_remote fields       waits until the main dialog is up and idle and prints the
//                                texts of its 22 edits, one a line, in the order of the
//                                dialog's controls
//   lumetrix_remote message      waits for a "Fehler" message box, prints its text and
//                                closes it
//   lumetrix_remote database     waits until the main dialog is up and idle, clicks
//                                "Datenbank" and prints the caption of the window that
//                                answers: "Datenbank" for the choice dialog, "Fehler" and the
//                                text for a message box; then cancels it
//   lumetrix_remote wait-window CAPTION
//                                waits until a window whose caption begins with CAPTION (the
//                                installer's, say) is up and idle
//   lumetrix_remote click CAPTION ID
//                                clicks the button ID of that window and
//                                waits until the window has handled it
//   lumetrix_remote choices      the same, but prints the entries of the choice dialog, one a
//                                line (after the message boxes that came first, as database
//                                prints them), and cancels it
//   lumetrix_remote window-text CAPTION
//                                waits until a window whose caption begins with CAPTION is up
//                                and idle and prints the texts of its labels, one a line
//   lumetrix_remote save-folder  waits until the main dialog is up and idle, clicks
//                                "Speichern", prints the folder the save dialog shows (through
//                                its "Kopiere aktuellen Pfad") and cancels the dialog
//
// wait-main, open-about and wait-window print the screen area of the window they waited for, in the
// geometry form WIDTHxHEIGHT+X+Y that ImageMagick's -crop takes.
#include "resources/resource.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char kMainCaption[] = "Lumetrix";
const char kAboutCaption[] = "Info \xFC"
                             "ber Lumetrix";
const char kErrorCaption[] = "Fehler";
const char kChoiceCaption[] = "Datenbank";
const char kSaveCaption[] = "Daten speichern";
const char kDialogClass[] = "#32770";
const UINT kAboutCommand = 0x0010;
const UINT kCopyFolderCommand = 18585; // the file dialogs' "Kopiere aktuellen Pfad"
const int kChoiceListId = 1132; // IDC_CHOICE_LIST of the choice dialog's built-in template
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

// The text of a window of another process: WM_GETTEXT crosses the process boundary, where
// GetWindowText would only give the text the window was created with.
void PrintText(HWND window) {
    char text[4096] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, kPatienceMs, &length);
    std::printf("%s\n", text);
}

// The children of one window class, in the order of the dialog's controls.
struct ChildSearch {
    const char* windowClass;
    HWND found[64];
    int count;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM search) {
    auto* children = reinterpret_cast<ChildSearch*>(search);
    char windowClass[32] = "";
    GetClassNameA(child, windowClass, sizeof windowClass);
    if (lstrcmpiA(windowClass, children->windowClass) == 0 && children->count < 64)
        children->found[children->count++] = child;
    return TRUE;
}

ChildSearch ChildrenOf(HWND window, const char* windowClass) {
    ChildSearch search{windowClass, {}, 0};
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search;
}

int Fail(const char* what) {
    std::fprintf(stderr, "lumetrix_remote: %s\n", what);
    return 1;
}

// The main dialog once it has appeared and its program has settled; null when it did not appear.
HWND SettledMainDialog() {
    HWND main = WaitForDialog(kMainCaption);
    if (main != nullptr)
        WaitUntilSettled(main);
    return main;
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

int Fields() {
    HWND main = SettledMainDialog();
    if (main == nullptr)
        return Fail("the main dialog did not appear");
    const ChildSearch edits = ChildrenOf(main, "Edit");
    for (int i = 0; i < edits.count; ++i)
        PrintText(edits.found[i]);
    return 0;
}

// A message box's text is its static control that holds text (the other one shows the icon).
int PrintMessageText(HWND box) {
    const ChildSearch statics = ChildrenOf(box, "Static");
    for (int i = 0; i < statics.count; ++i) {
        if (GetWindowTextLengthA(statics.found[i]) > 0) {
            PrintText(statics.found[i]);
            return 0;
        }
    }
    return Fail("the message box shows no text");
}

int Message() {
    HWND box = WaitForDialog(kErrorCaption);
    if (box == nullptr)
        return Fail("no message box appeared");
    WaitUntilSettled(box);
    const int status = PrintMessageText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return status;
}

// Posted, not sent: the click runs a modal dialog, and a sent message would wait for its end.
int Database() {
    HWND main = SettledMainDialog();
    if (main == nullptr)
        return Fail("the main dialog did not appear");
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_DATABASE, BN_CLICKED), 0);
    for (int waited = 0; waited < kPatienceMs; waited += kPollMs) {
        if (HWND choice = FindDialog(kChoiceCaption)) {
            std::printf("%s\n", kChoiceCaption);
            PostMessageA(choice, WM_COMMAND, IDCANCEL, 0);
            return 0;
        }
        if (HWND box = FindDialog(kErrorCaption)) {
            std::printf("%s: ", kErrorCaption);
            const int status = PrintMessageText(box);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return status;
        }
        Sleep(kPollMs);
    }
    return Fail("Datenbank opened nothing");
}

// The entries of the choice dialog's list. CB_GETLBTEXT crosses the process boundary; Wine
// hands the text over in UTF-16 whichever way it is asked for, so it is asked for so.
void PrintEntries(HWND choice) {
    HWND list = GetDlgItem(choice, kChoiceListId);
    DWORD_PTR count = 0;
    SendMessageTimeoutW(list, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kPatienceMs, &count);
    for (DWORD_PTR i = 0; i < count; ++i) {
        wchar_t entry[512] = L"";
        DWORD_PTR length = 0;
        SendMessageTimeoutW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry),
                            SMTO_ABORTIFHUNG, kPatienceMs, &length);
        char text[1024] = "";
        WideCharToMultiByte(CP_ACP, 0, entry, -1, text, sizeof text, nullptr, nullptr);
        std::printf("%s\n", text);
    }
}

int Choices() {
    HWND main = SettledMainDialog();
    if (main == nullptr)
        return Fail("the main dialog did not appear");
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_DATABASE, BN_CLICKED), 0);
    for (int waited = 0; waited < kPatienceMs; waited += kPollMs) {
        if (HWND choice = FindDialog(kChoiceCaption)) {
            WaitUntilSettled(choice);
            PrintEntries(choice);
            PostMessageA(choice, WM_COMMAND, IDCANCEL, 0);
            return 0;
        }
        if (HWND box = FindDialog(kErrorCaption)) {
            std::printf("%s: ", kErrorCaption);
            PrintMessageText(box);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            while (IsWindow(box) && waited < kPatienceMs) {
                Sleep(kPollMs);
                waited += kPollMs;
            }
        }
        Sleep(kPollMs);
    }
    return Fail("the choice dialog did not appear");
}

// The clipboard's text, once it holds any; the program that put it there may still hold it open.
bool PrintClipboardText() {
    for (int waited = 0; waited < kPatienceMs; waited += kPollMs) {
        if (IsClipboardFormatAvailable(CF_TEXT) && OpenClipboard(nullptr)) {
            HANDLE data = GetClipboardData(CF_TEXT);
            const char* text =
                data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
            if (text != nullptr) {
                std::printf("%s\n", text);
                GlobalUnlock(data);
            }
            CloseClipboard();
            return text != nullptr;
        }
        Sleep(kPollMs);
    }
    return false;
}

int SaveFolder() {
    HWND main = SettledMainDialog();
    if (main == nullptr)
        return Fail("the main dialog did not appear");
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_SAVE, BN_CLICKED), 0);
    HWND save = WaitForDialog(kSaveCaption);
    if (save == nullptr)
        return Fail("the save dialog did not appear");
    WaitUntilSettled(save);
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    PostMessageA(save, WM_COMMAND, kCopyFolderCommand, 0);
    const bool printed = PrintClipboardText();
    PostMessageA(save, WM_COMMAND, IDCANCEL, 0);
    return printed ? 0 : Fail("the save dialog did not copy its folder");
}

struct CaptionSearch {
    const char* start;
    HWND found;
};

BOOL CALLBACK CheckCaption(HWND window, LPARAM search) {
    auto* wanted = reinterpret_cast<CaptionSearch*>(search);
    char caption[256] = "";
    GetWindowTextA(window, caption, sizeof caption);
    if (IsWindowVisible(window) &&
        std::strncmp(caption, wanted->start, std::strlen(wanted->start)) == 0) {
        wanted->found = window;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window whose caption begins with the text, whatever its class: an
// installer adds the page's name to its caption.
HWND WaitForWindow(const char* captionStart) {
    for (int waited = 0; waited < kPatienceMs; waited += kPollMs) {
        CaptionSearch search{captionStart, nullptr};
        EnumWindows(CheckCaption, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        Sleep(kPollMs);
    }
    return nullptr;
}

int WaitWindow(const char* caption) {
    HWND window = WaitForWindow(caption);
    if (window == nullptr)
        return Fail("no window of that caption appeared");
    Activate(window);
    WaitUntilSettled(window);
    return PrintGeometry(window);
}

int WindowText(const char* caption) {
    HWND window = WaitForWindow(caption);
    if (window == nullptr)
        return Fail("no window of that caption appeared");
    WaitUntilSettled(window);
    const ChildSearch labels = ChildrenOf(window, "Static");
    for (int i = 0; i < labels.count; ++i) {
        if (GetWindowTextLengthA(labels.found[i]) > 0)
            PrintText(labels.found[i]);
    }
    return 0;
}

int ClickButton(const char* caption, int id) {
    HWND window = WaitForWindow(caption);
    if (window == nullptr)
        return Fail("no window of that caption is open");
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    WaitUntilSettled(window);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "wait-window") == 0)
        return WaitWindow(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "window-text") == 0)
        return WindowText(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "click") == 0)
        return ClickButton(argv[2], std::atoi(argv[3]));
    const char* command = argc == 2 ? argv[1] : "";
    if (std::strcmp(command, "wait-main") == 0)
        return WaitMain();
    if (std::strcmp(command, "open-about") == 0)
        return OpenAbout();
    if (std::strcmp(command, "close") == 0)
        return Close();
    if (std::strcmp(command, "fields") == 0)
        return Fields();
    if (std::strcmp(command, "message") == 0)
        return Message();
    if (std::strcmp(command, "database") == 0)
        return Database();
    if (std::strcmp(command, "choices") == 0)
        return Choices();
    if (std::strcmp(command, "save-folder") == 0)
        return SaveFolder();
    return Fail("usage: lumetrix_remote wait-main | open-about | close | fields | message | "
                "database | choices | save-folder | wait-window CAPTION | window-text CAPTION | "
                "click CAPTION ID");
}
