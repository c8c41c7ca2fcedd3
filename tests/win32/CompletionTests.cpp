// Name completion in the program's file dialogs: typing the start of a name pops up the names
// of the current folder that begin with it, filled by a worker thread.
#include "DialogUser.h"
#include "ProgramTest.h"
#include "SystemFileDialogs.h"

#include "resources/resource.h"
#include "ui/filedialog/win32/CompletionList.h"
#include "ui/filedialog/win32/CompletionThread.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <tlhelp32.h>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

constexpr int kFileNameField = 1152;
const char kListClass[] = "LumetrixCompletionList";

struct ListSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK MatchList(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<ListSearch*>(parameter);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, kListClass) != 0 || GetWindow(window, GW_OWNER) != search.owner) {
        return TRUE;
    }
    search.found = window;
    return FALSE;
}

// The completion list of the dialog, or null.
HWND CompletionListOf(HWND dialog) {
    ListSearch search{dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchList, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ListBoxOf(HWND list) {
    return FindWindowExA(list, nullptr, "ListBox", nullptr);
}

Strings Entries(HWND list) {
    return EntriesOf(list, LB_GETCOUNT, LB_GETTEXT);
}

// Handles this thread's messages, among them what the worker posts, until `done` holds;
// false after `patience` milliseconds.
bool HandleMessagesUntil(const std::function<bool()>& done, DWORD patience = 5000) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done()) {
            return true;
        }
        if (GetTickCount() - start > patience) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// A mouse click on an entry of the list, as the list box receives it.
void ClickEntry(HWND list, int entry) {
    HWND listBox = ListBoxOf(list);
    RECT place{};
    SendMessageA(listBox, LB_GETITEMRECT, entry, reinterpret_cast<LPARAM>(&place));
    const LPARAM at = MAKELPARAM(place.left + 5, (place.top + place.bottom) / 2);
    SendMessageA(listBox, WM_MOUSEMOVE, 0, at);
    SendMessageA(listBox, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(listBox, WM_LBUTTONUP, 0, at);
}

// The threads of this process that run the completion worker's thread procedure.
int WorkerThreads() {
    using QueryThread = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    const int kStartAddress = 9; // ThreadQuerySetWin32StartAddress
    auto query = reinterpret_cast<QueryThread>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("ntdll"), "NtQueryInformationThread")));
    const auto worker = reinterpret_cast<const void*>(&RunCompletionWorker);

    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != GetCurrentProcessId()) {
            continue;
        }
        HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
        const void* start = nullptr;
        if (thread != nullptr && query(thread, kStartAddress, &start, sizeof start, nullptr) == 0) {
            count += start == worker;
        }
        if (thread != nullptr) {
            CloseHandle(thread);
        }
    }
    CloseHandle(snapshot);
    return count;
}

std::string CurrentFolder(HWND dialog) {
    char folder[MAX_PATH] = "";
    SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
    return folder;
}

void MakeFile(const std::string& path) {
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

class LoadDialogTest : public ProgramTest {
protected:
    // Runs the program, clicks "Laden" and goes to the folder as a user does, typing it into
    // the file-name field and confirming it; then plays `steps` in the dialog, with the field
    // empty and focused.
    void RunInLoadDialog(const char* folder, std::vector<Step> steps) {
        const std::string path = FullPath(folder);
        steps.insert(steps.begin(), {[&] { ClickLater(main, IDC_LOAD); },
                                     [path] { ChooseFile("Daten laden", path); },
                                     [] {
                                         HWND dialog = FindDialog("Daten laden");
                                         HWND field = GetDlgItem(dialog, kFileNameField);
                                         SetFocus(field);
                                         SetWindowTextA(field, "");
                                     }});
        RunProgram(std::move(steps));
    }
};

class CompletionTest : public LoadDialogTest {
protected:
    void SetUp() override {
        CreateDirectoryA(kRooms, nullptr);
        CreateDirectoryA(kSubfolder, nullptr);
        for (const char* file : kFiles) {
            MakeFile(std::string(kRooms) + "\\" + file);
        }
    }
    void TearDown() override {
        for (const char* file : kFiles) {
            DeleteFileA((std::string(kRooms) + "\\" + file).c_str());
        }
        RemoveDirectoryA(kSubfolder);
        RemoveDirectoryA(kRooms);
    }

    // Types into the file-name field, which has the focus, and waits for the list to show.
    HWND TypeAndWaitForList(const std::string& text) {
        HWND dialog = FindDialog("Daten laden");
        TypeKeys(text);
        HWND list = CompletionListOf(dialog);
        EXPECT_NE(list, nullptr);
        EXPECT_TRUE(HandleMessagesUntil([&] { return list != nullptr && IsWindowVisible(list); }));
        return list;
    }

    static constexpr const char* kRooms = "fc-raeume";
    static constexpr const char* kSubfolder = "fc-raeume\\Unterordner";
    static constexpr const char* kFiles[] = {"raum2.lumx", "Raum1.lumx", "notiz.txt",
                                             "Unterordner\\raum3.lumx"};
};

TEST_F(CompletionTest, TypedStartShowsTheMatchingNamesSortedByTheField) {
    Strings shown, taken;
    RECT field{}, place{};
    int rowHeight = 0;
    const auto ListHeight = [&](int rows) {
        return rows * rowHeight + 2 * GetSystemMetrics(SM_CYBORDER);
    };
    bool hiddenAfterUp = false;
    RunInLoadDialog(kRooms,
                    {[&] {
                         HWND dialog = FindDialog("Daten laden");
                         HWND list = TypeAndWaitForList("ra");
                         HandleMessagesUntil([&] { return Entries(list).size() == 2; }, 1000);
                         shown = Entries(list);
                         GetWindowRect(GetDlgItem(dialog, kFileNameField), &field);
                         GetWindowRect(list, &place);
                         rowHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
                         PressKey(VK_DOWN);
                     },
                     [&] {
                         taken.push_back(TextOf(FindDialog("Daten laden"), kFileNameField));
                         PressKey(VK_DOWN);
                     },
                     [&] {
                         taken.push_back(TextOf(FindDialog("Daten laden"), kFileNameField));
                         PressKey(VK_UP);
                     },
                     [&] {
                         HWND dialog = FindDialog("Daten laden");
                         taken.push_back(TextOf(dialog, kFileNameField));
                         hiddenAfterUp = !IsWindowVisible(CompletionListOf(dialog));
                     }});
    EXPECT_EQ(shown, (Strings{"Raum1.lumx", "raum2.lumx"}));
    // Over the field: under it, it would cover "Dateityp".
    EXPECT_EQ(place.left, field.left);
    EXPECT_EQ(place.bottom, field.top);
    EXPECT_EQ(place.right - place.left, field.right - field.left - 20);
    EXPECT_EQ(place.bottom - place.top, ListHeight(2));
    EXPECT_EQ(taken, (Strings{"Raum1.lumx", "raum2.lumx", "Raum1.lumx"}));
    EXPECT_FALSE(hiddenAfterUp);
}

TEST_F(CompletionTest, ClickingAnEntryTakesItEvenTheFirstAndHidesTheList) {
    for (int entry : {0, 1}) {
        std::string taken;
        bool visible = true;
        RunInLoadDialog(kRooms, {[&] {
                            HWND dialog = FindDialog("Daten laden");
                            HWND list = TypeAndWaitForList("RA");
                            HandleMessagesUntil([&] { return Entries(list).size() == 2; }, 1000);
                            ClickEntry(list, entry);
                            taken = TextOf(dialog, kFileNameField);
                            visible = IsWindowVisible(list);
                        }});
        EXPECT_EQ(taken, entry == 0 ? "Raum1.lumx" : "raum2.lumx");
        EXPECT_FALSE(visible);
    }
}

// Up one folder, from the dialog's toolbar: a folder change that leaves the typed text alone.
TEST_F(CompletionTest, ChangingTheFolderEmptiesTheList) {
    const UINT kUpOneFolder = 0xA001;
    Strings before, after;
    bool visible = true;
    std::string folder;
    RunInLoadDialog(kSubfolder,
                    {[&] {
                         HWND list = TypeAndWaitForList("ra");
                         before = Entries(list);
                         SendMessageA(FindDialog("Daten laden"), WM_COMMAND, kUpOneFolder, 0);
                     },
                     [&] {
                         HWND dialog = FindDialog("Daten laden");
                         HWND list = CompletionListOf(dialog);
                         // Raum1.lumx and raum2.lumx would come soon after.
                         HandleMessagesUntil([&] { return Entries(list).empty(); }, 2000);
                         HandleMessagesUntil([] { return false; }, 300);
                         after = Entries(list);
                         visible = IsWindowVisible(list);
                         folder = CurrentFolder(dialog);
                     }});
    EXPECT_EQ(before, Strings{"raum3.lumx"});
    EXPECT_EQ(folder, FullPath(kRooms));
    EXPECT_EQ(after, Strings{});
    EXPECT_FALSE(visible);
}

// Another program may post anything to the list, its private message included: the list takes
// its entries only from the dialog's worker.
TEST_F(CompletionTest, MessagesPostedByOthersChangeNothing) {
    const auto forge = [](HWND list) {
        for (WPARAM marker : {static_cast<WPARAM>(0), static_cast<WPARAM>(0x12340000)}) {
            PostMessageA(list, kListChangedMessage, marker, 0x0BADF00D);
        }
        HandleMessagesUntil([] { return false; }, 200);
    };
    bool visibleBeforeTyping = true;
    Strings before, after;
    RunInLoadDialog(kRooms, {[&] {
                        HWND list = CompletionListOf(FindDialog("Daten laden"));
                        forge(list);
                        visibleBeforeTyping = IsWindowVisible(list);
                        list = TypeAndWaitForList("ra");
                        HandleMessagesUntil([&] { return Entries(list).size() == 2; }, 1000);
                        before = Entries(list);
                        forge(list);
                        after = Entries(list);
                    }});
    EXPECT_FALSE(visibleBeforeTyping);
    EXPECT_EQ(before, (Strings{"Raum1.lumx", "raum2.lumx"}));
    EXPECT_EQ(after, before);
}

TEST_F(CompletionTest, EscapeHidesTheListAndOnlyASecondEscapeCancels) {
    bool openAfterFirst = false, hiddenAfterFirst = false, openAfterSecond = true;
    RunInLoadDialog(kRooms, {[&] {
                                 TypeAndWaitForList("ra");
                                 PressKey(VK_ESCAPE);
                             },
                             [&] {
                                 HWND dialog = FindDialog("Daten laden");
                                 openAfterFirst = dialog != nullptr;
                                 hiddenAfterFirst =
                                     openAfterFirst && !IsWindowVisible(CompletionListOf(dialog));
                                 PressKey(VK_ESCAPE);
                             },
                             [&] { openAfterSecond = FindDialog("Daten laden") != nullptr; }});
    EXPECT_TRUE(openAfterFirst);
    EXPECT_TRUE(hiddenAfterFirst);
    EXPECT_FALSE(openAfterSecond);
}

// The list goes when the dialog is resized or nothing typed matches any more, and it opens over
// the field where the screen ends under it.
TEST_F(CompletionTest, ListHidesOnResizingAndWithoutEntriesAndOpensOverTheFieldAtTheBottom) {
    bool hiddenByResizing = false, hiddenWithoutEntries = false;
    RECT field{}, place{};
    RunInLoadDialog(kRooms, {[&] {
                        HWND dialog = FindDialog("Daten laden");
                        HWND list = TypeAndWaitForList("ra");
                        RECT frame;
                        GetWindowRect(dialog, &frame);
                        SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left + 40,
                                     frame.bottom - frame.top + 40, SWP_NOMOVE | SWP_NOZORDER);
                        hiddenByResizing = !IsWindowVisible(list);

                        TypeKeys("u");
                        HandleMessagesUntil([&] { return IsWindowVisible(list); }, 2000);
                        TypeKeys("x"); // "raux" matches nothing
                        hiddenWithoutEntries =
                            HandleMessagesUntil([&] { return !IsWindowVisible(list); }, 2000) &&
                            Entries(list).empty();

                        // The field 60 pixels above the bottom of the screen.
                        HWND combo = GetDlgItem(dialog, kFileNameField);
                        GetWindowRect(combo, &field);
                        const int lower = GetSystemMetrics(SM_CYSCREEN) - 60 - field.bottom;
                        GetWindowRect(dialog, &frame);
                        SetWindowPos(dialog, nullptr, frame.left, frame.top + lower, 0, 0,
                                     SWP_NOSIZE | SWP_NOZORDER);
                        SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
                        TypeAndWaitForList("r");
                        GetWindowRect(combo, &field);
                        GetWindowRect(list, &place);
                    }});
    EXPECT_TRUE(hiddenByResizing);
    EXPECT_TRUE(hiddenWithoutEntries);
    EXPECT_EQ(place.left, field.left);
    EXPECT_EQ(place.bottom, field.top);
}

// One entry, one row; and where there is room above, the list never covers "Dateityp" below
// the field.
TEST_F(CompletionTest, AListOfOneEntryIsOneRowHighAndLeavesTheFieldBelowFree) {
    const int kFileTypeField = 0x470;
    int rowHeight = 0, rowsShown = 0;
    RECT list{}, fileType{}, overlap{};
    RunInLoadDialog(kRooms, {[&] {
                        HWND dialog = FindDialog("Daten laden");
                        HWND shown = TypeAndWaitForList("no");
                        HandleMessagesUntil([] { return false; }, 300); // no second entry comes
                        rowHeight = static_cast<int>(SendMessageA(shown, LB_GETITEMHEIGHT, 0, 0));
                        RECT box{};
                        GetClientRect(ListBoxOf(shown), &box);
                        rowsShown = rowHeight > 0 ? box.bottom / rowHeight : 0;
                        EXPECT_EQ(box.bottom % std::max(rowHeight, 1), 0);
                        GetWindowRect(shown, &list);
                        GetWindowRect(GetDlgItem(dialog, kFileTypeField), &fileType);
                    }});
    EXPECT_GT(rowHeight, 0);
    EXPECT_EQ(rowsShown, 1);
    EXPECT_FALSE(IntersectRect(&overlap, &list, &fileType));
}

// A folder of 5000 files, made by the build: the worker reads it while the user types, and the
// dialog closes while it still matches.
class LargeFolderTest : public LoadDialogTest {
protected:
    // Milliseconds from each typed character to its showing in the field, typed as soon as the
    // load dialog shows.
    std::vector<double> TypeAndTimeEchoes() {
        std::vector<double> echoes;
        RunInLoadDialog(kFolder, {[&] {
                            HWND field = GetFocus();
                            LARGE_INTEGER frequency, start, end;
                            QueryPerformanceFrequency(&frequency);
                            std::string typed;
                            for (char c : std::string("datei0123")) {
                                typed += c;
                                QueryPerformanceCounter(&start);
                                PostMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 1);
                                HandleMessagesUntil([&] { return TextOf(field) == typed; }, 2000);
                                QueryPerformanceCounter(&end);
                                echoes.push_back(
                                    1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                                    static_cast<double>(frequency.QuadPart));
                            }
                        }});
        return echoes;
    }

    static constexpr const char* kFolder = LUMETRIX_FOLDER_OF_5000;
    static constexpr int kFiles = 5000;
};

TEST_F(LargeFolderTest, ClosingWhileMatchingLeavesNoWorkerBehind) {
    int workersWhileOpen = 0;
    RunInLoadDialog(kFolder, {[&] {
                        workersWhileOpen = WorkerThreads();
                        TypeKeys("d");
                        Sleep(50);
                        // At once: the list is still to take the matches queued meanwhile.
                        SendMessageA(FindDialog("Daten laden"), WM_COMMAND, IDCANCEL, 0);
                    }});
    Sleep(500); // closing wakes the worker, which then ends at once
    EXPECT_EQ(workersWhileOpen, 1);
    EXPECT_EQ(WorkerThreads(), 0);
}

TEST_F(LargeFolderTest, ListSelectsUnderTheMouseScrollsByWholeNotchesAndKeepsItsLeastSize) {
    int hovered = -1, topAfterHalfNotch = -1, topAfterNotch = -1;
    std::string fieldAfterHover;
    SIZE least{};
    RunInLoadDialog(
        kFolder, {[&] {
            HWND dialog = FindDialog("Daten laden");
            TypeKeys("d");
            HWND list = CompletionListOf(dialog);
            HandleMessagesUntil([&] { return Entries(list).size() == 100; });
            HWND listBox = ListBoxOf(list);
            RECT entry{};
            SendMessageA(listBox, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&entry));
            SendMessageA(listBox, WM_MOUSEMOVE, 0, MAKELPARAM(entry.left + 5, entry.top + 1));
            hovered = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
            fieldAfterHover = TextOf(dialog, kFileNameField);

            const WPARAM halfNotchDown = MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA / 2));
            SendMessageA(listBox, WM_MOUSEWHEEL, halfNotchDown, 0);
            topAfterHalfNotch = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
            SendMessageA(listBox, WM_MOUSEWHEEL, halfNotchDown, 0);
            topAfterNotch = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));

            // Dragging the size grip far up and left.
            RECT client;
            GetClientRect(list, &client);
            const LPARAM grip = MAKELPARAM(client.right - 2, client.bottom - 2);
            SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, grip);
            SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-500, -500));
            SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(-500, -500));
            RECT place;
            GetWindowRect(list, &place);
            least = {place.right - place.left, place.bottom - place.top};
        }});
    UINT linesPerNotch = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
    EXPECT_EQ(hovered, 2);
    EXPECT_EQ(fieldAfterHover, "d"); // hovering takes nothing
    EXPECT_EQ(topAfterHalfNotch, 0);
    EXPECT_EQ(topAfterNotch, static_cast<int>(linesPerNotch));
    EXPECT_EQ(least.cx, 2 * GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(least.cy, 2 * GetSystemMetrics(SM_CXVSCROLL));
}

// Not a timed test: reports how long a typed character takes to show in the field while the
// worker reads the folder, next to the same with the system's dialog alone.
TEST_F(LargeFolderTest, TypingEchoesWhileTheWorkerReads) {
    std::vector<double> withWorker = TypeAndTimeEchoes();
    std::vector<double> alone;
    {
        SystemFileDialogs withoutExtension;
        alone = TypeAndTimeEchoes();
    }
    for (auto* echoes : {&withWorker, &alone}) {
        ASSERT_EQ(echoes->size(), 9u);
        std::sort(echoes->begin(), echoes->end());
    }
    std::printf("typed character to echo, %d files: median %.2f ms, slowest %.2f ms "
                "(system dialog alone: %.2f ms, %.2f ms)\n",
                kFiles, withWorker[4], withWorker[8], alone[4], alone[8]);
}

// Folders of 2, 5000 and 50000 files named datei00000.txt on: how long the list takes to follow
// a typed key once the folder is read, with the names anywhere in the folder's order. The large
// folders are made by the build, in its own folder: under Wine each new file's name is compared
// with every name already in its folder, so making them here would take minutes.
class CompletionSpeedTest : public LoadDialogTest {
protected:
    using Followed = std::function<bool(HWND dialog, const std::string& typed)>;
    struct Folder {
        const char* name; // in the test's folder, or a full path
        int files;
        const char* start; // typed first; each key then adds a digit or takes it back
        char lastDigit;
        bool madeByTheBuild;
    };
    static constexpr Folder kFolders[] = {
        {"fc-2", 2, "datei0000", '1', false},
        {LUMETRIX_FOLDER_OF_5000, 5000, "datei0123", '9', true},
        {LUMETRIX_FOLDER_OF_50000, 50000, "datei4567", '9', true}};
    static constexpr int kKeys = 50;
    static constexpr int kNewTexts = 5;

    static std::string FileName(int i) {
        char name[32];
        std::snprintf(name, sizeof name, "datei%05d.txt", i);
        return name;
    }
    static std::string PathOf(const Folder& folder, int i) {
        return std::string(folder.name) + "\\" + FileName(i);
    }
    void SetUp() override {
        for (const Folder& folder : kFolders) {
            if (folder.madeByTheBuild) {
                continue;
            }
            CreateDirectoryA(folder.name, nullptr);
            for (int i = 0; i < folder.files; ++i) {
                MakeFile(PathOf(folder, i));
            }
        }
    }

    // The names of the folder that begin with the typed text, as many as the list shows;
    // counted once for each text, so that the timing measures the program and not the count.
    static std::size_t Matches(const Folder& folder, const std::string& typed) {
        static std::map<std::pair<int, std::string>, std::size_t> counted;
        const auto known = counted.find({folder.files, typed});
        if (known != counted.end()) {
            return known->second;
        }
        std::size_t count = 0;
        for (int i = 0; i < folder.files && count < 100; ++i) {
            count += FileName(i).compare(0, typed.size(), typed) == 0;
        }
        return counted[{folder.files, typed}] = count;
    }

    static double Milliseconds(const LARGE_INTEGER& start) {
        LARGE_INTEGER end, frequency;
        QueryPerformanceCounter(&end);
        QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    }

    // Types `text` into the empty field at once and answers the milliseconds from its last
    // character to `followed` holding; a negative number when it never did.
    static double TypeNewText(HWND dialog, const std::string& text, const Followed& followed) {
        HWND field = GetFocus();
        SendMessageA(field, EM_SETSEL, 0, -1);
        SendMessageA(field, WM_CHAR, '\b', 1);
        for (std::size_t i = 0; i + 1 < text.size(); ++i) {
            SendMessageA(field, WM_CHAR, static_cast<unsigned char>(text[i]), 1);
        }
        followed(dialog, text); // counts the matches before the clock runs
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        PostMessageA(field, WM_CHAR, static_cast<unsigned char>(text.back()), 1);
        return HandleMessagesUntil([&] { return followed(dialog, text); }, 20000)
                   ? Milliseconds(start)
                   : -1;
    }

    struct Times {
        std::vector<double> keys;     // a digit or a backspace each, after the start text
        std::vector<double> newTexts; // the last key of texts typed anew
    };

    // In the load dialog on `folder`: a few texts typed anew, the start text, then each key (a
    // digit, then a backspace, and so on), timed until `followed` holds for the text typed.
    Times TimeKeys(const Folder& folder, const Followed& followed) {
        Times times;
        RunInLoadDialog(folder.name, {[&] {
                            HWND dialog = FindDialog("Daten laden");
                            HWND field = GetFocus();
                            for (int i = 0; i < kNewTexts; ++i) {
                                char text[16];
                                std::snprintf(text, sizeof text, "datei%04d",
                                              (i * 2371) % (folder.files / 10 + 1));
                                times.newTexts.push_back(TypeNewText(dialog, text, followed));
                            }
                            std::string typed = folder.start;
                            if (TypeNewText(dialog, typed, followed) < 0) {
                                return;
                            }
                            char digit = '0';
                            for (int key = 0; key < kKeys; ++key) {
                                char c = '\b';
                                if (key % 2 == 0) {
                                    c = digit;
                                    digit = digit == folder.lastDigit
                                                ? '0'
                                                : static_cast<char>(digit + 1);
                                    typed += c;
                                } else {
                                    typed.pop_back();
                                }
                                followed(dialog, typed); // counts the matches before the clock runs
                                LARGE_INTEGER start;
                                QueryPerformanceCounter(&start);
                                PostMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 1);
                                if (!HandleMessagesUntil([&] { return followed(dialog, typed); })) {
                                    return;
                                }
                                times.keys.push_back(Milliseconds(start));
                            }
                        }});
        for (auto* series : {&times.keys, &times.newTexts}) {
            std::sort(series->begin(), series->end());
        }
        return times;
    }
};

// Not a timed test: reports, for each folder, the median and slowest of 50 keys from the key to
// the list showing the names that begin with the typed text, next to the echo of the same keys
// in the field of the system's dialog alone; and the slowest of a few texts typed anew, for
// which the worker asks the system for the names.
TEST_F(CompletionSpeedTest, ListFollowsTypedKeysInFoldersOfEverySize) {
    for (const Folder& folder : kFolders) {
        const Times toList = TimeKeys(folder, [&](HWND dialog, const std::string& typed) {
            HWND list = CompletionListOf(dialog);
            const Strings shown = Entries(list);
            return IsWindowVisible(list) && shown.size() == Matches(folder, typed) &&
                   shown.front().compare(0, typed.size(), typed) == 0 &&
                   shown.back().compare(0, typed.size(), typed) == 0;
        });
        Times echo;
        {
            SystemFileDialogs withoutExtension;
            echo = TimeKeys(folder, [](HWND dialog, const std::string& typed) {
                return TextOf(dialog, kFileNameField) == typed;
            });
        }
        ASSERT_EQ(toList.keys.size(), static_cast<std::size_t>(kKeys)) << folder.name;
        ASSERT_EQ(echo.keys.size(), static_cast<std::size_t>(kKeys)) << folder.name;
        ASSERT_GE(toList.newTexts.front(), 0) << folder.name;
        std::printf("typed key to list, %d files: median %.2f ms, slowest %.2f ms; text typed "
                    "anew: slowest %.2f ms (echo in the system dialog alone: median %.2f ms, "
                    "slowest %.2f ms)\n",
                    folder.files, toList.keys[kKeys / 2], toList.keys[kKeys - 1],
                    toList.newTexts.back(), echo.keys[kKeys / 2], echo.keys[kKeys - 1]);
    }
}

} // namespace
