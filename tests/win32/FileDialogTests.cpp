// The program's file dialogs as the extension makes them: enlarged once, a folder history in
// the registry behind a combobox in place of the file-name edit, typed '/' paths, folders
// opened from the history, dropped files and the folder copied to the clipboard.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "app/LumetrixApp.h"
#include "io/DataFileText.h"
#include "model/Quantity.h"
#include "model/ValueStore.h"
#include "resources/resource.h"
#include "ui/QuantityControls.h"
#include "ui/filedialog/win32/HistoryCombo.h"

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <shlobj.h>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

constexpr int kHistoryCombo = 1152;
constexpr int kHiddenEdit = 20949;
constexpr UINT kCopyFolderCommand = 18585;
const char kHistoryKey[] = "Software\\Rovad\\Common\\OfnList";
const char kHistoryValue[] = "OfnListLumx";

Strings StoredHistory() {
    char data[8192] = "";
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, kHistoryKey, kHistoryValue, RRF_RT_REG_MULTI_SZ, nullptr,
                     data, &size) != ERROR_SUCCESS) {
        return {};
    }
    Strings folders;
    for (const char* entry = data; *entry != '\0'; entry += std::strlen(entry) + 1) {
        folders.emplace_back(entry);
    }
    return folders;
}

void StoreValue(DWORD type, const std::string& data) {
    RegSetKeyValueA(HKEY_CURRENT_USER, kHistoryKey, kHistoryValue, type, data.data(),
                    static_cast<DWORD>(data.size()));
}

void StoreHistory(const Strings& folders) {
    std::string data;
    for (const std::string& folder : folders) {
        data += folder + '\0';
    }
    StoreValue(REG_MULTI_SZ, data + '\0');
}

void ForgetHistory() {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kHistoryKey, kHistoryValue);
}

Strings Entries(HWND combo) {
    return EntriesOf(combo, CB_GETCOUNT, CB_GETLBTEXT);
}

std::string ClassOf(HWND window) {
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

SIZE SizeOf(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    return {place.right - place.left, place.bottom - place.top};
}

void Cancel(HWND fileDialog) {
    PostMessageA(fileDialog, WM_COMMAND, IDCANCEL, 0);
}

std::string CurrentFolder(HWND fileDialog) {
    char folder[MAX_PATH] = "";
    SendMessageA(fileDialog, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
    return folder;
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) {
        return "(clipboard not open)";
    }
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void PutOnClipboard(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

// A right click in the middle of the window asks it for its context menu.
void RightClick(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    PostMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2));
}

BOOL CALLBACK FindPopupMenu(HWND window, LPARAM found) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32768") != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND ShownMenuWindow() {
    HWND menuWindow = nullptr;
    EnumWindows(FindPopupMenu, reinterpret_cast<LPARAM>(&menuWindow));
    return menuWindow;
}

// The text of the one item of the popup menu on screen, with its command.
std::string ShownMenuItem() {
    auto menu = reinterpret_cast<HMENU>(SendMessageA(ShownMenuWindow(), MN_GETHMENU, 0, 0));
    if (menu == nullptr || GetMenuItemCount(menu) != 1 ||
        GetMenuItemID(menu, 0) != kCopyFolderCommand) {
        return "(no menu with the copy command)";
    }
    char text[64] = "";
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    return text;
}

// Drops the file on the window as the shell does.
void DropFile(HWND window, const std::string& path) {
    HGLOBAL memory =
        GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + path.size() + 2);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop + 1), path.c_str(), path.size());
    GlobalUnlock(memory);
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// The dialog's list of the files in its folder.
HWND FileListOf(HWND fileDialog) {
    HWND view = FindWindowExA(fileDialog, nullptr, "SHELLDLL_DefView", nullptr);
    return FindWindowExA(view, nullptr, "SysListView32", nullptr);
}

// Selects the named file in the dialog's file list, as a click on it does.
void SelectListedFile(HWND fileDialog, const char* name) {
    HWND list = FileListOf(fileDialog);
    LVFINDINFOA find{};
    find.flags = LVFI_STRING;
    find.psz = name;
    const LRESULT item =
        SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find));
    LVITEMA state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(&state));
}

// The text of a message box shown by this thread with the caption, or "(none)"; the box is
// then closed.
std::string CloseMessageBox(const std::string& caption) {
    HWND box = FindDialog(caption);
    if (box == nullptr) {
        return "(none)";
    }
    const std::string text = TextOf(box, 0xFFFF);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return text;
}

class FileDialogTest : public ProgramTest {
protected:
    void SetUp() override {
        ForgetHistory();
        CreateDirectoryA("fd-a", nullptr);
        CreateDirectoryA("fd-b", nullptr);
        ValueStore store;
        LoadDefaults(store);
        std::ofstream(kFile, std::ios::binary) << FormatDataFile(store);
    }
    void TearDown() override {
        DeleteFileA(kFile);
        RemoveDirectoryA("fd-a");
        RemoveDirectoryA("fd-b");
        ForgetHistory();
    }

    static constexpr const char* kFile = "fd-a\\Raum1.lumx";
    // Full paths, taken before any dialog moves the current folder.
    const std::string fileA = FullPath(kFile);
    const std::string folderA = FullPath("fd-a") + "\\";
    const std::string folderB = FullPath("fd-b") + "\\";
    const int beamAngle = ControlsOf(kBeamAngle).editId;
};

// The enlargement happens once a process: this test runs in a process of its own.
TEST_F(FileDialogTest, FirstDialogOfARunIsEnlargedAndTheNextKeepsItsSize) {
    const char* const kOwnRun = "LUMETRIX_FIRST_FILE_DIALOG";
    if (std::getenv(kOwnRun) == nullptr) {
        char exe[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, exe, sizeof exe);
        std::string command = std::string("\"") + exe +
                              "\" --gtest_filter=FileDialogTest.FirstDialogOfARunIsEnlarged*";
        SetEnvironmentVariableA(kOwnRun, "1");
        STARTUPINFOA startUp{};
        startUp.cb = sizeof startUp;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startUp, &process));
        SetEnvironmentVariableA(kOwnRun, nullptr);
        DWORD exitCode = 1;
        if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
            GetExitCodeProcess(process.hProcess, &exitCode);
            EXPECT_EQ(exitCode, 0u) << "the test failed in its own run";
        } else {
            ADD_FAILURE() << "the test's own run did not end within a minute";
            TerminateProcess(process.hProcess, 1);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return;
    }
    const int scale = std::max(GetSystemMetrics(SM_CXICON), 32);
    const SIZE resized{640, 500};
    SIZE first{}, second{};
    RunProgram({[&] { ClickLater(main, IDC_LOAD); },
                [&] {
                    HWND dialog = FindDialog("Daten laden");
                    first = SizeOf(dialog);
                    SetWindowPos(dialog, nullptr, 0, 0, resized.cx, resized.cy,
                                 SWP_NOMOVE | SWP_NOZORDER);
                    Cancel(dialog);
                },
                [&] { ClickLater(main, IDC_SAVE); },
                [&] {
                    HWND dialog = FindDialog("Daten speichern");
                    second = SizeOf(dialog);
                    Cancel(dialog);
                }});
    EXPECT_EQ(first.cx, 600 * scale / 32);
    EXPECT_EQ(first.cy, 450 * scale / 32);
    // The system gives the next dialog the size the last one had; the extension leaves it.
    EXPECT_EQ(second.cx, resized.cx);
    EXPECT_EQ(second.cy, resized.cy);
}

TEST_F(FileDialogTest, TheHistoryComboboxTakesThePlaceOfTheFileNameEdit) {
    for (int button : {IDC_LOAD, IDC_SAVE}) {
        SCOPED_TRACE(button == IDC_LOAD ? "Daten laden" : "Daten speichern");
        std::string comboClass, editClass;
        bool editVisible = true, comboHasFocus = false;
        RunProgram({[&] { ClickLater(main, button); },
                    [&] {
                        HWND dialog =
                            FindDialog(button == IDC_LOAD ? "Daten laden" : "Daten speichern");
                        HWND combo = GetDlgItem(dialog, kHistoryCombo);
                        HWND edit = GetDlgItem(dialog, kHiddenEdit);
                        comboClass = ClassOf(combo);
                        editClass = ClassOf(edit);
                        editVisible = IsWindowVisible(edit);
                        comboHasFocus = GetFocus() == combo || GetParent(GetFocus()) == combo;
                        Cancel(dialog);
                    }});
        EXPECT_EQ(comboClass, "ComboBox");
        EXPECT_EQ(editClass, "Edit");
        EXPECT_FALSE(editVisible);
        EXPECT_TRUE(comboHasFocus);
    }
}

TEST_F(FileDialogTest, LoadingRecordsTheFolderOnTopForTheNextDialog) {
    StoreHistory({folderB});
    Strings stored, offered;
    std::string loaded;
    RunProgram({[&] {
                    TypeInto(main, beamAngle, "50");
                    ClickLater(main, IDC_LOAD);
                },
                [&] { ChooseFile("Daten laden", fileA); },
                [&] {
                    loaded = TextOf(main, beamAngle);
                    stored = StoredHistory();
                    ClickLater(main, IDC_LOAD);
                },
                [&] {
                    HWND dialog = FindDialog("Daten laden");
                    offered = Entries(GetDlgItem(dialog, kHistoryCombo));
                    Cancel(dialog);
                }});
    EXPECT_EQ(loaded, "36.0");
    EXPECT_EQ(stored, (Strings{folderA, folderB}));
    EXPECT_EQ(offered, stored);
}

TEST_F(FileDialogTest, WhateverTheRegistryHoldsTheDialogOffersOnlyWholeFolders) {
    const std::string tooLong = "C:\\" + std::string(300, 'x') + "\\";
    std::string many;
    for (int i = 0; i < 40; ++i) {
        many += "C:\\" + std::string(200, static_cast<char>('a' + i % 26)) + "\\" + '\0';
    }
    const struct {
        const char* what;
        DWORD type;
        std::string data;
        size_t offered;
    } cases[] = {
        {"text, not a multi-string", REG_SZ, "C:\\Daten\\", 0},
        {"no terminators", REG_MULTI_SZ, "C:\\Daten\\", 1},
        {"a string too long for a path", REG_MULTI_SZ, tooLong + '\0' + "D:\\" + '\0', 1},
        {"more than 4096 bytes", REG_MULTI_SZ, many, 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StoreValue(c.type, c.data);
        Strings offered;
        RunProgram({[&] { ClickLater(main, IDC_LOAD); },
                    [&] {
                        HWND dialog = FindDialog("Daten laden");
                        offered = Entries(GetDlgItem(dialog, kHistoryCombo));
                        Cancel(dialog);
                    }});
        EXPECT_EQ(offered.size(), c.offered);
    }
}

TEST_F(FileDialogTest, SavingUnderANewNameRecordsNothing) {
    DeleteFileA(kFile);
    RunProgram(
        {[&] { ClickLater(main, IDC_SAVE); }, [&] { ChooseFile("Daten speichern", fileA); }});
    EXPECT_EQ(GetFileAttributesA(kFile) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(StoredHistory(), Strings{});
}

TEST_F(FileDialogTest, AfterTheSeventeenthFolderOnlyTheSixteenNewestAreKept) {
    Strings older;
    for (int i = 1; i <= 16; ++i) {
        older.push_back("C:\\Ordner" + std::to_string(i) + "\\");
    }
    StoreHistory(older);
    Strings offered;
    RunProgram({[&] { ClickLater(main, IDC_LOAD); }, [&] { ChooseFile("Daten laden", fileA); },
                [&] { ClickLater(main, IDC_LOAD); },
                [&] {
                    HWND dialog = FindDialog("Daten laden");
                    offered = Entries(GetDlgItem(dialog, kHistoryCombo));
                    Cancel(dialog);
                }});
    Strings newest = {folderA};
    newest.insert(newest.end(), older.begin(), older.end() - 1);
    EXPECT_EQ(StoredHistory(), newest);
    EXPECT_EQ(offered, newest);
}

TEST_F(FileDialogTest, APathTypedWithSlashesLoadsOnEnter) {
    std::string typed = fileA;
    std::replace(typed.begin(), typed.end(), '\\', '/');
    std::string loaded;
    RunProgram({[&] {
                    TypeInto(main, beamAngle, "50");
                    ClickLater(main, IDC_LOAD);
                },
                [&] {
                    HWND dialog = FindDialog("Daten laden");
                    HWND combo = GetDlgItem(dialog, kHistoryCombo);
                    SetFocus(combo);
                    SetWindowTextA(combo, typed.c_str());
                    PressKey(VK_RETURN);
                },
                [&] { loaded = TextOf(main, beamAngle); }});
    EXPECT_EQ(loaded, "36.0");
    EXPECT_EQ(StoredHistory(), Strings{folderA});
    EXPECT_EQ(outcome.dialogsLeftOpen, 1); // only the main dialog
}

TEST_F(FileDialogTest, AFolderChosenFromTheHistoryOpensAndItsPathCanBeCopied) {
    StoreHistory({folderA, folderB});
    std::string opened, keptWhileBusy, menuItem, copied;
    RunProgram({[&] { ClickLater(main, IDC_LOAD); },
                [&] {
                    HWND combo = GetDlgItem(FindDialog("Daten laden"), kHistoryCombo);
                    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
                    SendMessageA(combo, CB_SETCURSEL, 1, 0);
                    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
                },
                [&] {
                    HWND dialog = FindDialog("Daten laden");
                    opened = CurrentFolder(dialog) + "\\";
                    // With the clipboard held by another window, nothing is copied.
                    PutOnClipboard("vorher");
                    OpenClipboard(main);
                    SendMessageA(dialog, WM_COMMAND, kCopyFolderCommand, 0);
                    CloseClipboard();
                    keptWhileBusy = ClipboardText();
                    RightClick(dialog);
                },
                [&] {
                    menuItem = ShownMenuItem();
                    PressKey(VK_DOWN);
                    PressKey(VK_RETURN);
                },
                [&] {
                    copied = ClipboardText() + "\\";
                    Cancel(FindDialog("Daten laden"));
                }});
    EXPECT_EQ(lstrcmpiA(opened.c_str(), folderB.c_str()), 0) << opened;
    EXPECT_EQ(keptWhileBusy, "vorher");
    EXPECT_EQ(menuItem, "Kopiere aktuellen Pfad");
    EXPECT_EQ(copied, opened);
}

// Whole, however long: OK refuses a path too long for the dialog.
TEST_F(FileDialogTest, ADroppedFileBecomesTheFileName) {
    for (const std::string& dropped : {fileA, "C:\\" + std::string(300, 'x')}) {
        std::string shown, ownText;
        RunProgram({[&] { ClickLater(main, IDC_LOAD); },
                    [&] {
                        HWND dialog = FindDialog("Daten laden");
                        DropFile(GetDlgItem(dialog, kHistoryCombo), dropped);
                        shown = TextOf(dialog, kHistoryCombo);
                        ownText = OwnText(GetDlgItem(dialog, kHiddenEdit));
                        Cancel(dialog);
                    }});
        EXPECT_EQ(shown, dropped);
        EXPECT_EQ(ownText, dropped);
    }
}

// After a folder was opened from the history, the file then selected in the list is what "Open"
// opens: the history entry chosen before does not stand for the field any longer.
TEST_F(FileDialogTest, AFileSelectedAfterAHistoryChoiceLoads) {
    const Step byKeys = [] {
        PressKey(VK_F4);
        PressKey(VK_DOWN);
        PressKey(VK_RETURN);
    };
    const struct {
        const char* what;
        Strings history;
        Step chooseFolder;
        bool fileByKeys; // else selected as a click does and confirmed with the OK button
    } cases[] = {
        {"F4, Down, Enter; the file by keys", {folderA, folderB}, byKeys, true},
        {"F4, Down, Enter; the file clicked", {folderA, folderB}, byKeys, false},
        {"an entry clicked in the drop-down",
         {folderB, folderA},
         [] {
             HWND combo = GetDlgItem(FindDialog("Daten laden"), kHistoryCombo);
             SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
             SendMessageA(combo, CB_SETCURSEL, 1, 0);
             SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
         },
         false},
        {"a folder further down the history typed",
         {folderB, folderA},
         [this] {
             TypeKeys(folderA);
             PressKey(VK_RETURN);
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StoreHistory(c.history);
        std::string opened, shown, loaded;
        RunProgram({[&] {
                        TypeInto(main, beamAngle, "50");
                        ClickLater(main, IDC_LOAD);
                    },
                    c.chooseFolder,
                    [&] {
                        HWND dialog = FindDialog("Daten laden");
                        opened = CurrentFolder(dialog) + "\\";
                        if (c.fileByKeys) {
                            SetFocus(FileListOf(dialog));
                            PressKey(VK_HOME);
                        } else {
                            SelectListedFile(dialog, "Raum1.lumx");
                        }
                    },
                    [&] {
                        HWND dialog = FindDialog("Daten laden");
                        shown = TextOf(dialog, kHistoryCombo);
                        if (c.fileByKeys) {
                            PressKey(VK_RETURN);
                        } else {
                            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                        }
                    },
                    [&] { loaded = TextOf(main, beamAngle); }});
        EXPECT_EQ(lstrcmpiA(opened.c_str(), folderA.c_str()), 0) << opened;
        EXPECT_EQ(shown, "Raum1.lumx");
        EXPECT_EQ(loaded, "36.0");
        EXPECT_EQ(outcome.dialogsLeftOpen, 1); // only the main dialog
    }
}

Strings FilesIn(const std::string& folder) {
    Strings names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.emplace_back(found.cFileName);
        }
    }
    FindClose(search);
    return names;
}

// The field takes a path of any length whole, typed or pasted (Ctrl+V); OK refuses one that the
// dialog cannot take, and the dialog stays open. Nothing ends the program, no file is saved
// under a cut name, and the user's file stays as it was.
TEST_F(FileDialogTest, PathsTooLongForTheDialogAreRefusedWholeAndSaidSo) {
    const std::string longStart = folderA + std::string(270 - folderA.size(), 'x') + ".lumx";
    const std::string path262 = folderA + std::string(262 - folderA.size(), 'y');
    const std::string kept = [&] {
        std::ifstream in(kFile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    const struct {
        const char* what;
        int button;
        const char* caption;
        std::string startFile; // the file named on the command line
        std::string typed;     // typed or pasted into the field, then Enter
        bool pasted;
    } cases[] = {
        {"262 characters typed to load", IDC_LOAD, "Daten laden", "", path262, false},
        {"262 characters pasted to load", IDC_LOAD, "Daten laden", "", path262, true},
        {"262 characters typed to save", IDC_SAVE, "Daten speichern", "", path262, false},
        {"262 characters pasted to save", IDC_SAVE, "Daten speichern", "", path262, true},
        {"280 characters typed in the folder", IDC_LOAD, "Daten laden", "", std::string(280, 'a'),
         false},
        {"a long name from the command line saved again", IDC_SAVE, "Daten speichern", longStart,
         "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string startFile = c.startFile;
        if (!startFile.empty()) {
            CopyFileW((L"\\\\?\\" + std::wstring(fileA.begin(), fileA.end())).c_str(),
                      (L"\\\\?\\" + std::wstring(startFile.begin(), startFile.end())).c_str(),
                      FALSE);
        }
        theApp.m_lpCmdLine = startFile.data();
        std::string field, message;
        bool dialogStayed = false;
        RunProgram({[&] {
                        TypeInto(main, beamAngle, "50");
                        ClickLater(main, c.button);
                    },
                    [&] {
                        HWND combo = GetDlgItem(FindDialog(c.caption), kHistoryCombo);
                        SetFocus(combo);
                        if (c.pasted) {
                            PutOnClipboard(c.typed);
                            TypeKeys("\x16"); // Ctrl+V
                        } else {
                            TypeKeys(c.typed);
                        }
                        field = TextOf(combo);
                        PressKey(VK_RETURN);
                    },
                    [&] {
                        message = CloseMessageBox("Fehler");
                        dialogStayed = FindDialog(c.caption) != nullptr;
                    }});
        theApp.m_lpCmdLine = nullptr;
        if (!c.typed.empty()) {
            EXPECT_EQ(field, c.typed);
        }
        EXPECT_EQ(message, "Der Dateipfad ist zu lang !");
        EXPECT_TRUE(dialogStayed);
        std::ifstream in(kFile, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), kept);
        if (!startFile.empty()) {
            DeleteFileW((L"\\\\?\\" + std::wstring(startFile.begin(), startFile.end())).c_str());
        }
        EXPECT_EQ(FilesIn(folderA), Strings{"Raum1.lumx"});
    }
}

// A file named on the command line whose folder the dialog cannot show is refused when it is
// saved again, before the dialog opens; the dialog then offers no name, so nothing goes into
// the folder it shows.
TEST_F(FileDialogTest, AStartFileOfAThousandCharactersIsRefusedOnSaving) {
    const auto longForm = [](const std::string& path) {
        return L"\\\\?\\" + std::wstring(path.begin(), path.end());
    };
    std::string deep = folderA;
    std::vector<std::string> folders;
    for (char letter : {'p', 'q', 'r', 's'}) {
        deep += std::string(240, letter) + "\\";
        folders.push_back(deep);
        CreateDirectoryW(longForm(deep).c_str(), nullptr);
    }
    std::string startFile = deep + "plan.lumx";
    ASSERT_TRUE(CopyFileW(longForm(fileA).c_str(), longForm(startFile).c_str(), FALSE));
    theApp.m_lpCmdLine = startFile.data();
    std::string message, offered, loaded;
    RunProgram({[&] {
                    loaded = TextOf(main, beamAngle);
                    ClickLater(main, IDC_SAVE);
                },
                [&] { message = CloseMessageBox("Fehler"); },
                [&] {
                    offered = TextOf(FindDialog("Daten speichern"), kHistoryCombo);
                    PressKey(VK_RETURN);
                },
                [&] { Cancel(FindDialog("Daten speichern")); }});
    theApp.m_lpCmdLine = nullptr;
    DeleteFileW(longForm(startFile).c_str());
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
        RemoveDirectoryW(longForm(*folder).c_str());
    }
    EXPECT_EQ(loaded, "36.0");
    EXPECT_EQ(message, "Der Dateipfad ist zu lang !");
    EXPECT_EQ(offered, "");
    EXPECT_EQ(GetFileAttributesA("plan.lumx"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(FilesIn(folderA), Strings{"Raum1.lumx"});
}

// Shift+F10 on the focused window, as the keyboard gives it: F10 is a system key.
void PressShiftF10() {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    HWND focus = GetFocus();
    PostMessageA(focus, WM_SYSKEYDOWN, VK_F10, 1);
    PostMessageA(focus, WM_SYSKEYUP, VK_F10, 0xC0000001);
}

void ReleaseShift() {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

// The folder menu opens from the keyboard too: Shift+F10 on a control of the dialog that has
// no menu of its own, at that control and inside the dialog, wherever the mouse is. A right
// click on a label opens it as one on the dialog's background does.
TEST_F(FileDialogTest, TheFolderMenuOpensFromTheKeyboardAndOnLabels) {
    const int kFileNameLabel = 0x442;
    std::string byKeyboard, copied, onLabel;
    RECT dialogPlace{}, menuPlace{}, inside{};
    RunProgram({[&] { ClickLater(main, IDC_LOAD); },
                [&] {
                    HWND dialog = FindDialog("Daten laden");
                    GetWindowRect(dialog, &dialogPlace);
                    SetCursorPos(dialogPlace.left - 50 > 0 ? dialogPlace.left - 50 : 0, 0);
                    SetFocus(GetDlgItem(dialog, IDCANCEL));
                    PressShiftF10();
                },
                [&] {
                    ReleaseShift();
                    byKeyboard = ShownMenuItem();
                    GetWindowRect(ShownMenuWindow(), &menuPlace);
                    PressKey(VK_DOWN);
                    PressKey(VK_RETURN);
                },
                [&] {
                    copied = ClipboardText();
                    RightClick(GetDlgItem(FindDialog("Daten laden"), kFileNameLabel));
                },
                [&] {
                    onLabel = ShownMenuItem();
                    PressKey(VK_ESCAPE);
                },
                [&] { Cancel(FindDialog("Daten laden")); }});
    EXPECT_EQ(byKeyboard, "Kopiere aktuellen Pfad");
    EXPECT_FALSE(copied.empty());
    IntersectRect(&inside, &menuPlace, &dialogPlace);
    EXPECT_TRUE(EqualRect(&inside, &menuPlace))
        << menuPlace.left << "," << menuPlace.top << " " << menuPlace.right << ","
        << menuPlace.bottom << " outside the dialog";
    EXPECT_EQ(onLabel, "Kopiere aktuellen Pfad");
}

// Delivers a message to the window from another process, as anybody may: "post" or "send".
// This thread answers what is sent meanwhile.
void DeliverFromOutside(const char* how, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    char command[512];
    std::snprintf(command, sizeof command, "\"%s\" %s %lu %u %lu %ld", LUMETRIX_REMOTE_EXE, how,
                  static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)), message,
                  static_cast<unsigned long>(wParam), static_cast<long>(lParam));
    STARTUPINFOA startUp{};
    startUp.cb = sizeof startUp;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startUp, &process));
    bool ended = false;
    for (int waited = 0; waited < 300 && !ended; ++waited) {
        MSG sent;
        PeekMessageA(&sent, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        ended = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_SENDMESSAGE) ==
                WAIT_OBJECT_0;
    }
    if (!ended) {
        ADD_FAILURE() << "the remote control did not end within 30 seconds";
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// The hidden edit's private messages (0x39AA sets its own text, 0x39AB reads it) from another
// process, with a pointer that means nothing here: they change nothing and end nothing.
TEST_F(FileDialogTest, TheHiddenEditsPrivateMessagesFromOutsideChangeNothing) {
    const LPARAM kWildPointer = 0x0BADF00D;
    std::string before, after;
    bool open = false;
    RunProgram({[&] { ClickLater(main, IDC_LOAD); },
                [&] {
                    HWND dialog = FindDialog("Daten laden");
                    SetDlgItemTextA(dialog, kHistoryCombo, "Raum1.lumx");
                    HWND edit = GetDlgItem(dialog, kHiddenEdit);
                    before = OwnText(edit);
                    for (const char* how : {"post", "send"}) {
                        for (UINT message : {0x39AAu, 0x39ABu}) {
                            DeliverFromOutside(how, edit, message, MAX_PATH, kWildPointer);
                        }
                    }
                },
                [&] {
                    HWND dialog = FindDialog("Daten laden");
                    open = dialog != nullptr;
                    if (open) {
                        after = OwnText(GetDlgItem(dialog, kHiddenEdit));
                    }
                    Cancel(dialog);
                }});
    EXPECT_EQ(before, "Raum1.lumx");
    EXPECT_TRUE(open);
    EXPECT_EQ(after, before);
}

// A folder of the shared history that the ANSI code page cannot name is not offered, and a
// save writes it back as it was, not as question marks.
TEST_F(FileDialogTest, FoldersTheProgramCannotNameAreKeptAsTheyWere) {
    const std::wstring unnamed = L"C:\\ra\u0141\u00F3d\u017A\\"; // raŁódź
    const std::wstring wideB(folderB.begin(), folderB.end());
    const std::wstring stored = unnamed + L'\0' + wideB + L'\0' + L'\0';
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Rovad\\Common\\OfnList", L"OfnListLumx",
                    REG_MULTI_SZ, stored.data(),
                    static_cast<DWORD>(stored.size() * sizeof(wchar_t)));
    Strings offered;
    RunProgram({[&] { ClickLater(main, IDC_LOAD); },
                [&] {
                    offered = Entries(GetDlgItem(FindDialog("Daten laden"), kHistoryCombo));
                    ChooseFile("Daten laden", fileA);
                }});
    wchar_t data[1024] = L"";
    DWORD size = sizeof data;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Rovad\\Common\\OfnList", L"OfnListLumx",
                 RRF_RT_REG_MULTI_SZ, nullptr, data, &size);
    std::vector<std::wstring> saved;
    for (const wchar_t* entry = data; *entry != L'\0'; entry += wcslen(entry) + 1) {
        saved.emplace_back(entry);
    }
    EXPECT_EQ(offered, Strings{folderB});
    EXPECT_EQ(saved, (std::vector<std::wstring>{std::wstring(folderA.begin(), folderA.end()), wideB,
                                                unnamed}));
}

// A folder typed relative to the one the dialog shows is recorded as the full folder it opens,
// which means the same to every program that shares the history.
TEST_F(FileDialogTest, ATypedRelativeFolderIsRecordedInFull) {
    RunProgram({[&] { ClickLater(main, IDC_LOAD); },
                [&] {
                    SetFocus(GetDlgItem(FindDialog("Daten laden"), kHistoryCombo));
                    TypeKeys(folderA);
                    PressKey(VK_RETURN);
                },
                [&] {
                    TypeKeys("..\\fd-b");
                    PressKey(VK_RETURN);
                },
                [&] { Cancel(FindDialog("Daten laden")); }});
    EXPECT_EQ(StoredHistory(), (Strings{folderB, folderA}));
}

} // namespace
