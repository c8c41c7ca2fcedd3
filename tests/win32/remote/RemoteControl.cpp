// lumetrix_remote.exe: drives a running lumetrix.exe from outside, for the screenshot scripts.
//
//   lumetrix_remote wait-main    waits until the main dialog is up and idle
//   lumetrix_remote open-about   chooses the about item of the main dialog's system menu
//   lumetrix_remote open-room    chooses the room item of the main dialog's system menu and
//                                fills in an office of 10 x 6 x 3 m
//   lumetrix_remote close        closes the about box or the room dialog, if open, and then the
//                                main dialog
//   lumetrix_remote fields       waits until the main dialog is up and idle and prints the
//                                texts of its 23 edits, one a line, in the order of the
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
//   lumetrix_remote post WINDOW MESSAGE WPARAM LPARAM
//   lumetrix_remote send WINDOW MESSAGE WPARAM LPARAM
//                                posts the message to the window, or sends it and waits at
//                                most five seconds for the answer: a message from another
//                                process, as anybody may send one (numbers in C's notation)
//   lumetrix_remote choices      the same, but prints the entries of the choice dialog, one a
//                                line (after the message boxes that came first, as database
//                                prints them), and cancels it
//   lumetrix_remote save-folder  waits until the main dialog is up and idle, clicks
//                                "Speichern", prints the folder the save dialog shows (through
//                                its "Kopiere aktuellen Pfad") and cancels the dialog
//   lumetrix_remote texts CAPTION
//                                waits until that window is up and idle and prints the texts
//                                it shows, one a line: its caption, then its visible controls'
//                                texts, a list view's items included
//   lumetrix_remote click-text CAPTION TEXT
//                                clicks the button of that window that shows TEXT ('&' left
//                                out) and waits until the window has handled it
//   lumetrix_remote close-window CAPTION
//                                closes that window (WM_CLOSE) and waits until it has gone
//
// wait-main, open-about and wait-window print the screen area of the window they waited for, in the
// geometry form WIDTHxHEIGHT+X+Y that ImageMagick's -crop takes.
#include "framework/ErrorCaption.h"
#include "resources/resource.h"

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

const char kAboutCaption[] = "Info \xFC"
                             "ber Lumetrix";
const char kChoiceCaption[] = "Datenbank";
const char kSaveCaption[] = "Daten speichern";
const char kDialogClass[] = "#32770";
const char kRoomCaption[] = "Raumwirkungsgrad berechnen";
const UINT kCopyFolderCommand = 18585; // the file dialogs' "Kopiere aktuellen Pfad"
const int kPatienceMs = 60000;
const int kPollMs = 100;

HWND FindDialog(const char* caption) {
    HWND window = FindWindowA(kDialogClass, caption);
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

// What `find` finds once it finds it, or null when the patience runs out first.
template <class Find> HWND WaitUntilFound(Find find) {
    for (int waited = 0; waited < kPatienceMs; waited += kPollMs) {
        if (HWND window = find()) {
            return window;
        }
        Sleep(kPollMs);
    }
    return nullptr;
}

HWND WaitForDialog(const char* caption) {
    return WaitUntilFound([caption] { return FindDialog(caption); });
}

// The main dialog's caption names the calculation's file ("plan.lumx* - Lumetrix"), so it is
// known by its buttons "Laden" and "Datenbank" instead.
BOOL CALLBACK CheckMainDialog(HWND window, LPARAM found) {
    char windowClass[16] = "";
    GetClassNameA(window, windowClass, sizeof windowClass);
    if (lstrcmpA(windowClass, kDialogClass) != 0 || !IsWindowVisible(window) ||
        GetDlgItem(window, IDC_LOAD) == nullptr || GetDlgItem(window, IDC_DATABASE) == nullptr) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND FindMainDialog() {
    HWND found = nullptr;
    EnumWindows(CheckMainDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND WaitForMainDialog() {
    return WaitUntilFound(FindMainDialog);
}

// Waits until the window's program has handled its input and painted. The pause lets the
// main dialog's focus timer (250 ms) show its first picture and Wine pass the pixels to X.
void WaitUntilSettled(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    for (int round = 0; round < 2; ++round) {
        if (process != nullptr) {
            WaitForInputIdle(process, kPatienceMs);
        }
        Sleep(500);
    }
    if (process != nullptr) {
        CloseHandle(process);
    }
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
    if (lstrcmpiA(windowClass, children->windowClass) == 0 && children->count < 64) {
        children->found[children->count++] = child;
    }
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
    HWND main = WaitForMainDialog();
    if (main != nullptr) {
        WaitUntilSettled(main);
    }
    return main;
}

int WaitMain() {
    HWND main = WaitForMainDialog();
    if (main == nullptr) {
        return Fail("the main dialog did not appear");
    }
    Activate(main);
    WaitUntilSettled(main);
    return PrintGeometry(main);
}

// Chooses a system-menu entry of the main dialog and waits for the dialog it opens.
HWND OpenFromSystemMenu(UINT command, const char* caption) {
    HWND main = FindMainDialog();
    if (main == nullptr) {
        Fail("the main dialog is not open");
        return nullptr;
    }
    PostMessageA(main, WM_SYSCOMMAND, command, 0);
    HWND dialog = WaitForDialog(caption);
    if (dialog == nullptr) {
        Fail("the dialog did not appear");
    }
    return dialog;
}

int OpenAbout() {
    HWND about = OpenFromSystemMenu(IDM_ABOUTBOX, kAboutCaption);
    if (about == nullptr) {
        return 1;
    }
    Activate(about);
    WaitUntilSettled(about);
    return PrintGeometry(about);
}

int OpenRoom() {
    HWND room = OpenFromSystemMenu(IDM_ROOM, kRoomCaption);
    if (room == nullptr) {
        return 1;
    }
    SetDlgItemTextA(room, IDC_ROOM_LENGTH, "10");
    SetDlgItemTextA(room, IDC_ROOM_WIDTH, "6");
    SetDlgItemTextA(room, IDC_ROOM_HEIGHT, "3");
    Activate(room);
    WaitUntilSettled(room);
    return PrintGeometry(room);
}

// WM_CLOSE reaches a dialog as its Cancel command, as the close box does.
int Close() {
    for (const char* caption : {kAboutCaption, kRoomCaption}) {
        if (HWND dialog = FindDialog(caption)) {
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        }
        for (int waited = 0; FindDialog(caption) != nullptr; waited += kPollMs) {
            if (waited >= kPatienceMs) {
                return Fail("a dialog does not close");
            }
            Sleep(kPollMs);
        }
    }
    if (HWND main = FindMainDialog()) {
        PostMessageA(main, WM_CLOSE, 0, 0);
    }
    return 0;
}

int Fields() {
    HWND main = SettledMainDialog();
    if (main == nullptr) {
        return Fail("the main dialog did not appear");
    }
    const ChildSearch edits = ChildrenOf(main, "Edit");
    for (int i = 0; i < edits.count; ++i) {
        PrintText(edits.found[i]);
    }
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
    if (box == nullptr) {
        return Fail("no message box appeared");
    }
    WaitUntilSettled(box);
    const int status = PrintMessageText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return status;
}

// Posted, not sent: the click runs a modal dialog, and a sent message would wait for its end.
int Database() {
    HWND main = SettledMainDialog();
    if (main == nullptr) {
        return Fail("the main dialog did not appear");
    }
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
    HWND list = GetDlgItem(choice, IDC_CHOICE_LIST);
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
    if (main == nullptr) {
        return Fail("the main dialog did not appear");
    }
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
    if (main == nullptr) {
        return Fail("the main dialog did not appear");
    }
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_SAVE, BN_CLICKED), 0);
    HWND save = WaitForDialog(kSaveCaption);
    if (save == nullptr) {
        return Fail("the save dialog did not appear");
    }
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
HWND FindWindowByCaption(const char* captionStart) {
    CaptionSearch search{captionStart, nullptr};
    EnumWindows(CheckCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const char* captionStart) {
    return WaitUntilFound([captionStart] { return FindWindowByCaption(captionStart); });
}

int WaitWindow(const char* caption) {
    HWND window = WaitForWindow(caption);
    if (window == nullptr) {
        return Fail("no window of that caption appeared");
    }
    Activate(window);
    WaitUntilSettled(window);
    return PrintGeometry(window);
}

int ClickButton(const char* caption, int id) {
    HWND window = WaitForWindow(caption);
    if (window == nullptr) {
        return Fail("no window of that caption is open");
    }
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
    WaitUntilSettled(window);
    return 0;
}

// The window's visible controls, in the order EnumChildWindows gives them.
BOOL CALLBACK CollectVisibleChild(HWND child, LPARAM search) {
    auto* children = reinterpret_cast<ChildSearch*>(search);
    if (IsWindowVisible(child) && children->count < 64) {
        children->found[children->count++] = child;
    }
    return TRUE;
}

// Whether the control shows a text: not a picture, whose text is a resource name, and not empty.
// The length is asked with a message: another process's window would give its first text.
bool ShowsSomeText(HWND control) {
    const LONG type = GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
    char windowClass[32] = "";
    GetClassNameA(control, windowClass, sizeof windowClass);
    if (lstrcmpiA(windowClass, "Static") == 0 &&
        (type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE)) {
        return false;
    }
    DWORD_PTR length = 0;
    SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kPatienceMs, &length);
    return length > 0;
}

// A list view of another process gives its items' texts only into memory of that process.
void PrintListItems(HWND list) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr) {
        return;
    }
    struct Request {
        LVITEMA item;
        char text[512];
    };
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(Request), MEM_COMMIT, PAGE_READWRITE));
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; remote != nullptr && i < count; ++i) {
        LVITEMA item{};
        item.pszText = remote + offsetof(Request, text);
        item.cchTextMax = sizeof Request::text;
        char text[sizeof Request::text] = "";
        if (WriteProcessMemory(process, remote, &item, sizeof item, nullptr) &&
            SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(remote)) > 0 &&
            ReadProcessMemory(process, item.pszText, text, sizeof text - 1, nullptr)) {
            std::printf("%s\n", text);
        }
    }
    if (remote != nullptr) {
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
}

int Texts(const char* caption) {
    HWND window = WaitForWindow(caption);
    if (window == nullptr) {
        return Fail("no window of that caption appeared");
    }
    WaitUntilSettled(window);
    PrintText(window);
    ChildSearch children{"", {}, 0};
    EnumChildWindows(window, CollectVisibleChild, reinterpret_cast<LPARAM>(&children));
    for (int i = 0; i < children.count; ++i) {
        char windowClass[32] = "";
        GetClassNameA(children.found[i], windowClass, sizeof windowClass);
        if (lstrcmpiA(windowClass, WC_LISTVIEWA) == 0) {
            PrintListItems(children.found[i]);
        } else if (ShowsSomeText(children.found[i])) {
            PrintText(children.found[i]);
        }
    }
    return 0;
}

// The text of a control as the user reads it: without the '&' that marks its access key.
bool ShowsText(HWND control, const char* wanted) {
    char text[256] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, kPatienceMs, &length);
    char* kept = text;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c != '&') {
            *kept++ = *c;
        }
    }
    *kept = '\0';
    return std::strcmp(text, wanted) == 0;
}

// Posted: a click may run a modal dialog, and a sent message would wait for its end.
int ClickText(const char* caption, const char* text) {
    HWND window = WaitForWindow(caption);
    if (window == nullptr) {
        return Fail("no window of that caption is open");
    }
    const ChildSearch buttons = ChildrenOf(window, "Button");
    for (int i = 0; i < buttons.count; ++i) {
        if (IsWindowVisible(buttons.found[i]) && ShowsText(buttons.found[i], text)) {
            PostMessageA(buttons.found[i], BM_CLICK, 0, 0);
            WaitUntilSettled(window);
            return 0;
        }
    }
    return Fail("the window has no button of that text");
}

int CloseWindow(const char* caption) {
    HWND window = WaitForWindow(caption);
    if (window == nullptr) {
        return Fail("no window of that caption is open");
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    for (int waited = 0; IsWindow(window); waited += kPollMs) {
        if (waited >= kPatienceMs) {
            return Fail("the window does not close");
        }
        Sleep(kPollMs);
    }
    return 0;
}

unsigned long Number(const char* text) {
    return std::strtoul(text, nullptr, 0);
}

int Deliver(bool post, char** arguments) {
    HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(Number(arguments[0])));
    const UINT message = static_cast<UINT>(Number(arguments[1]));
    const WPARAM wParam = Number(arguments[2]);
    const LPARAM lParam = static_cast<LPARAM>(Number(arguments[3]));
    if (post) {
        return PostMessageA(window, message, wParam, lParam) ? 0 : Fail("the post failed");
    }
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &answer);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 6 && (std::strcmp(argv[1], "post") == 0 || std::strcmp(argv[1], "send") == 0)) {
        return Deliver(argv[1][0] == 'p', argv + 2);
    }
    if (argc == 3 && std::strcmp(argv[1], "wait-window") == 0) {
        return WaitWindow(argv[2]);
    }
    if (argc == 4 && std::strcmp(argv[1], "click") == 0) {
        return ClickButton(argv[2], std::atoi(argv[3]));
    }
    if (argc == 3 && std::strcmp(argv[1], "texts") == 0) {
        return Texts(argv[2]);
    }
    if (argc == 4 && std::strcmp(argv[1], "click-text") == 0) {
        return ClickText(argv[2], argv[3]);
    }
    if (argc == 3 && std::strcmp(argv[1], "close-window") == 0) {
        return CloseWindow(argv[2]);
    }
    const char* command = argc == 2 ? argv[1] : "";
    if (std::strcmp(command, "wait-main") == 0) {
        return WaitMain();
    }
    if (std::strcmp(command, "open-about") == 0) {
        return OpenAbout();
    }
    if (std::strcmp(command, "open-room") == 0) {
        return OpenRoom();
    }
    if (std::strcmp(command, "close") == 0) {
        return Close();
    }
    if (std::strcmp(command, "fields") == 0) {
        return Fields();
    }
    if (std::strcmp(command, "message") == 0) {
        return Message();
    }
    if (std::strcmp(command, "database") == 0) {
        return Database();
    }
    if (std::strcmp(command, "choices") == 0) {
        return Choices();
    }
    if (std::strcmp(command, "save-folder") == 0) {
        return SaveFolder();
    }
    return Fail(
        "usage: lumetrix_remote wait-main | open-about | open-room | close | fields | message | "
        "database | choices | save-folder | wait-window CAPTION | "
        "click CAPTION ID | texts CAPTION | click-text CAPTION TEXT | close-window CAPTION | "
        "post|send WINDOW MESSAGE WPARAM LPARAM");
}
