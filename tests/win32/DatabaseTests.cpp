// The "Datenbank" button with the real choice dialog, built from its in-memory template.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "framework/FileSnapshot.h"
#include "io/LuminaireFolder.h"
#include "resources/resource.h"
#include "tests/RewrittenLampFile.h"
#include "tests/TestFolder.h"
#include "tests/WholeFiles.h"
#include "ui/ChoiceDialogTemplate.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const char* const kExampleFile = ";Name;cd;lm;lux;Grad;sr;m2;m;m;W;lm/W\r\n"
                                 "\r\n"
                                 "LED 10W;*;806;;36;;;;;10\r\n"
                                 "Halogen 35W ;;600;;;;;;;35;*;;;;;;;2000;3,50\r\n"
                                 "LED 5W;;400;;120;;;;;5\r\n";

std::string ListEntry(HWND list, int index) {
    std::string text(SendMessageA(list, CB_GETLBTEXTLEN, index, 0) + 1, '\0');
    text.resize(SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data())));
    return text;
}

// The entries of the open choice dialog; then it is cancelled with Escape.
std::vector<std::string> ListedAndCancelled() {
    std::vector<std::string> listed;
    HWND choice = FindDialog("Datenbank");
    EXPECT_NE(choice, nullptr);
    HWND list = GetDlgItem(choice, IDC_CHOICE_LIST);
    for (int i = 0; choice != nullptr && i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
        listed.push_back(ListEntry(list, i));
    }
    PressKey(VK_ESCAPE);
    return listed;
}

// A control's place in its dialog, in pixels.
RECT PlaceOf(HWND dialog, int id) {
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Dialog units of the dialog's font in pixels. The dialog manager converts a control's
// position and size each on its own, so the size is converted as a size.
RECT Pixels(HWND dialog, int x, int y, int cx, int cy) {
    RECT position = {x, y, 0, 0};
    RECT size = {cx, cy, 0, 0};
    MapDialogRect(dialog, &position);
    MapDialogRect(dialog, &size);
    return {position.left, position.top, position.left + size.left, position.top + size.top};
}

// A drop-down combobox is as high as its closed field, not as its opened list: its height
// is not compared.
void ExpectPlace(HWND dialog, int id, int x, int y, int cx, int cy, bool withHeight = true) {
    SCOPED_TRACE("control " + std::to_string(id));
    const RECT place = PlaceOf(dialog, id);
    const RECT wanted = Pixels(dialog, x, y, cx, cy);
    EXPECT_EQ(place.left, wanted.left);
    EXPECT_EQ(place.top, wanted.top);
    EXPECT_EQ(place.right, wanted.right);
    if (withHeight) {
        EXPECT_EQ(place.bottom, wanted.bottom);
    }
}

DWORD StyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
}

class DatabaseTest : public ProgramTest {
protected:
    // The program looks for the database in its working folder.
    void SetUp() override {
        std::FILE* file = std::fopen("LightDatabase.csv", "wb");
        ASSERT_NE(file, nullptr);
        std::fputs(kExampleFile, file);
        std::fclose(file);
    }
    void TearDown() override { std::remove("LightDatabase.csv"); }
};

TEST_F(DatabaseTest, ChoosingALampInTheChoiceDialogFillsInItsData) {
    HWND choice = nullptr;
    RunProgram({[&] { ClickLater(main, IDC_DATABASE); },
                [&] {
                    choice = FindDialog("Datenbank");
                    ASSERT_NE(choice, nullptr);
                    EXPECT_EQ(GetWindow(choice, GW_OWNER), main);
                    EXPECT_TRUE(IsCentredOver(choice, main));
                    EXPECT_FALSE(IsWindowEnabled(main));
                    EXPECT_EQ(TextOf(choice, IDC_CHOICE_PROMPT), "Lichtquelle ausw\xE4hlen");

                    HWND list = GetDlgItem(choice, IDC_CHOICE_LIST);
                    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 3);
                    EXPECT_EQ(ListEntry(list, 0), "Halogen 35W");
                    EXPECT_EQ(ListEntry(list, 1), "LED 5W");
                    EXPECT_EQ(ListEntry(list, 2), "LED 10W");
                    EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
                    EXPECT_EQ(FocusedId(), IDC_CHOICE_LIST);

                    // Two steps down the list with the keyboard, then OK.
                    PressKey(VK_DOWN);
                    PressKey(VK_DOWN);
                },
                [&] {
                    EXPECT_EQ(TextOf(choice, IDC_CHOICE_LIST), "LED 10W");
                    Click(choice, IDOK);
                },
                [&] {
                    EXPECT_FALSE(IsWindow(choice));
                    EXPECT_TRUE(IsWindowEnabled(main));
                    EXPECT_FALSE(IsChecked(main, IDC_GIVEN_INTENSITY));
                    EXPECT_EQ(TextOf(main, IDC_EDIT_FLUX), "806.0");
                    EXPECT_TRUE(IsChecked(main, IDC_GIVEN_FLUX));
                    EXPECT_EQ(TextOf(main, IDC_EDIT_BEAM_ANGLE), "36.0");
                    EXPECT_TRUE(IsChecked(main, IDC_GIVEN_BEAM_ANGLE));
                    EXPECT_EQ(TextOf(main, IDC_EDIT_POWER), "10.00");
                    EXPECT_TRUE(IsChecked(main, IDC_GIVEN_POWER));
                    EXPECT_EQ(TextOf(main, IDC_EDIT_EFFICACY), "80.60");
                    EXPECT_TRUE(IsReadOnly(main, IDC_EDIT_EFFICACY));
                }});
    EXPECT_EQ(outcome.stepsRun, 5);
    EXPECT_EQ(outcome.dialogsLeftOpen, 1);
}

TEST_F(DatabaseTest, TheChoiceDialogHasItsBuiltInLayoutAndEscapeChangesNothing) {
    std::string fluxBefore;
    RunProgram({[&] {
                    fluxBefore = TextOf(main, IDC_EDIT_FLUX);
                    ClickLater(main, IDC_DATABASE);
                },
                [&] {
                    HWND choice = FindDialog("Datenbank");
                    ASSERT_NE(choice, nullptr);
                    const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU;
                    EXPECT_EQ(StyleOf(choice) & frame, frame);
                    EXPECT_EQ(StyleOf(choice) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
                    EXPECT_NE(GetWindowLongA(choice, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
                    RECT client;
                    GetClientRect(choice, &client);
                    const RECT size = Pixels(choice, 0, 0, 227, 76);
                    EXPECT_EQ(client.right, size.right);
                    EXPECT_EQ(client.bottom, size.bottom);

                    LOGFONTA font{};
                    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(choice, WM_GETFONT, 0, 0)),
                               sizeof font, &font);
                    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");

                    ExpectPlace(choice, IDOK, 55, 50, 50, 14);
                    ExpectPlace(choice, IDCANCEL, 115, 50, 50, 14);
                    ExpectPlace(choice, IDC_CHOICE_LIST, 15, 25, 195, 145, false);
                    ExpectPlace(choice, IDC_CHOICE_PROMPT, 15, 15, 195, 8);
                    ExpectPlace(choice, IDC_CHOICE_EDITABLE, 15, 25, 195, 145, false);
                    EXPECT_EQ(TextOf(choice, IDOK), "OK");
                    EXPECT_EQ(TextOf(choice, IDCANCEL), "Abbrechen");
                    EXPECT_EQ(StyleOf(GetDlgItem(choice, IDOK)) & BS_TYPEMASK,
                              static_cast<DWORD>(BS_DEFPUSHBUTTON));
                    EXPECT_EQ(StyleOf(GetDlgItem(choice, IDC_CHOICE_LIST)) & CBS_DROPDOWNLIST,
                              static_cast<DWORD>(CBS_DROPDOWNLIST));
                    EXPECT_EQ(StyleOf(GetDlgItem(choice, IDC_CHOICE_EDITABLE)) & CBS_DROPDOWNLIST,
                              static_cast<DWORD>(CBS_DROPDOWN));
                    EXPECT_TRUE(IsWindowVisible(GetDlgItem(choice, IDC_CHOICE_LIST)));
                    EXPECT_FALSE(IsWindowVisible(GetDlgItem(choice, IDC_CHOICE_EDITABLE)));

                    PressKey(VK_DOWN);
                    PressKey(VK_ESCAPE);
                },
                [&] {
                    EXPECT_EQ(FindDialog("Datenbank"), nullptr);
                    EXPECT_EQ(TextOf(main, IDC_EDIT_FLUX), fluxBefore);
                }});
    EXPECT_EQ(outcome.dialogsLeftOpen, 1);
}

// Started from another folder, as "Open with" or a double click on a data file does, the
// program finds the database beside itself; a database in the working folder still comes first.
class DatabaseFolderTest : public ProgramTest {
protected:
    void SetUp() override {
        char path[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        besideProgram = std::filesystem::path(path).parent_path() / "LightDatabase.csv";
        WriteWholeFile(besideProgram, kExampleFile);
        GetCurrentDirectoryA(sizeof suiteFolder, suiteFolder);
    }
    void TearDown() override {
        SetCurrentDirectoryA(suiteFolder);
        std::filesystem::remove(besideProgram);
    }
    std::filesystem::path besideProgram;
    char suiteFolder[MAX_PATH] = "";
};

TEST_F(DatabaseFolderTest, TheWorkingFolderComesFirstThenTheProgramsFolder) {
    struct Case {
        const char* workingFolderDatabase; // null: the working folder has none
        std::vector<std::string> listed;
    };
    const Case cases[] = {{nullptr, {"Halogen 35W", "LED 5W", "LED 10W"}},
                          {"Arbeitsordner;;500\r\n", {"Arbeitsordner"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.workingFolderDatabase ? "both folders" : "only the program's folder");
        const std::filesystem::path working = FreshTestFolder("lumetrix-database-");
        if (c.workingFolderDatabase != nullptr) {
            WriteWholeFile(working / "LightDatabase.csv", c.workingFolderDatabase);
        }
        SetCurrentDirectoryA(working.string().c_str());
        std::vector<std::string> listed;
        RunProgram(
            {[&] { ClickLater(main, IDC_DATABASE); }, [&] { listed = ListedAndCancelled(); }});
        EXPECT_EQ(listed, c.listed);
        SetCurrentDirectoryA(suiteFolder);
        std::filesystem::remove_all(working);
    }
}

// A spotlight in EULUMDAT without a name of its own (1000 lm, 10 W, LORL 80, half the peak at
// 30 degrees), and an IES file of a headlamp, photometric type A, which the program does not
// read. The names hold an 'ä' that the file system keeps in UTF-16.
const char* const kSpotlight =
    "Test\n1\n1\n1\n0\n7\n15\n\n\n\n\n\n100\n100\n50\n80\n80\n0\n0\n0\n"
    "0\n100\n80\n1\n0\n1\n1\nLED\n1000\n3000K\n1A\n10\n0\n0\n0\n0\n0\n0\n"
    "0\n0\n0\n0\n0\n0\n15\n30\n45\n60\n75\n90\n"
    "1000\n700\n500\n300\n100\n0\n0\n";
const char* const kHeadlamp = "IESNA:LM-63-2002\n[LUMINAIRE] Scheinwerfer\nTILT=NONE\n"
                              "1 1000 1 1 1 3 2 0 0 0\n1 1 10\n0\n0\n1000\n";
const wchar_t* const kSpotlightFile = L"Leuchten\\Strahler \u00E4.ldt";
const wchar_t* const kHeadlampFile = L"Leuchten\\Kaputt \u00E4.ies";

class LampFolderTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        ASSERT_TRUE(CreateDirectoryW(L"Leuchten", nullptr));
        Write(kSpotlightFile, kSpotlight);
        Write(kHeadlampFile, kHeadlamp);
    }
    void TearDown() override {
        DeleteFileW(kSpotlightFile);
        DeleteFileW(kHeadlampFile);
        RemoveDirectoryW(L"Leuchten");
        DatabaseTest::TearDown();
    }

    static void Write(const wchar_t* path, const char* content) {
        std::FILE* file = _wfopen(path, L"wb");
        ASSERT_NE(file, nullptr);
        std::fputs(content, file);
        std::fclose(file);
    }
};

// The message box's text: the longest of its static controls (the other one holds the icon).
std::string MessageText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char kind[16];
        GetClassNameA(child, kind, sizeof kind);
        if (lstrcmpiA(kind, "Static") == 0 && TextOf(child).size() > text.size()) {
            text = TextOf(child);
        }
    }
    return text;
}

TEST_F(LampFolderTest, LampFilesJoinTheListAfterTheUnreadableOnesAreNamed) {
    HWND choice = nullptr;
    RunProgram({[&] { ClickLater(main, IDC_DATABASE); },
                [&] {
                    HWND box = FindDialog("Fehler");
                    ASSERT_NE(box, nullptr);
                    EXPECT_EQ(FindDialog("Datenbank"), nullptr);
                    EXPECT_EQ(MessageText(box),
                              "Diese Leuchtendateien konnten nicht gelesen werden:\n"
                              "Kaputt \xE4.ies: Photometrie vom Typ A wird nicht unterst\xFCtzt");
                    Click(box, IDOK);
                },
                [&] {
                    choice = FindDialog("Datenbank");
                    ASSERT_NE(choice, nullptr);
                    HWND list = GetDlgItem(choice, IDC_CHOICE_LIST);
                    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 4);
                    EXPECT_EQ(ListEntry(list, 2), "LED 10W");
                    EXPECT_EQ(ListEntry(list, 3), "Strahler \xE4");
                    PressKey(VK_END);
                },
                [&] { Click(choice, IDOK); },
                [&] {
                    EXPECT_FALSE(IsWindow(choice));
                    EXPECT_FALSE(IsChecked(main, IDC_GIVEN_INTENSITY));
                    EXPECT_EQ(TextOf(main, IDC_EDIT_FLUX), "1 000.0");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_BEAM_ANGLE), "60.0");
                    EXPECT_TRUE(IsChecked(main, IDC_GIVEN_BEAM_ANGLE));
                    EXPECT_EQ(TextOf(main, IDC_EDIT_POWER), "10.00");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_LAMP_EFFICIENCY), "80");
                }});
    EXPECT_EQ(outcome.stepsRun, 6);
    EXPECT_EQ(outcome.dialogsLeftOpen, 1);
}

// The planner's own folder Lumetrix in his Documents, found through the known folder: the test
// moves Documents to a folder of its own, as a user does on the folder's "Pfad" page, and puts
// there a database, a lamp file and a lamp file cut short.
class PlannerFolderTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        documents = FreshTestFolder("lumetrix-documents-");
        const std::filesystem::path planner = documents / "Lumetrix";
        std::filesystem::create_directories(planner / "Leuchten");
        WriteWholeFile(planner / "LightDatabase.csv", "LED 10W;;900\r\nEigene Lampe;;1234\r\n");
        WriteWholeFile(planner / "Leuchten" / "Strahler.ldt", kSpotlight);
        WriteWholeFile(planner / "Leuchten" / "Kurz.ldt",
                       std::string(kSpotlight).substr(0, std::strlen(kSpotlight) - 8));
        DWORD size = sizeof previous;
        hadPrevious = RegGetValueA(HKEY_CURRENT_USER, kShellFolders, "Personal",
                                   RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr,
                                   previous, &size) == ERROR_SUCCESS;
        const std::string path = documents.string();
        RegSetKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Personal", REG_EXPAND_SZ, path.c_str(),
                        static_cast<DWORD>(path.size() + 1));
    }
    void TearDown() override {
        if (hadPrevious) {
            RegSetKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Personal", REG_EXPAND_SZ, previous,
                            static_cast<DWORD>(std::strlen(previous) + 1));
        } else {
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kShellFolders, "Personal");
        }
        std::filesystem::remove_all(documents);
        DatabaseTest::TearDown();
    }

    static constexpr const char* kShellFolders =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    std::filesystem::path documents;
    char previous[MAX_PATH] = "";
    bool hadPrevious = false;
};

TEST_F(PlannerFolderTest, ItsLampsJoinTheListAndItsUnreadableFileIsNamedWithItsReason) {
    std::vector<std::string> listed;
    RunProgram({[&] { ClickLater(main, IDC_DATABASE); },
                [&] {
                    HWND box = FindDialog("Fehler");
                    ASSERT_NE(box, nullptr);
                    EXPECT_EQ(MessageText(box),
                              "Diese Leuchtendateien konnten nicht gelesen werden:\n"
                              "Kurz.ldt: Zeile 55: Lichtst\xE4rke erwartet");
                    Click(box, IDOK);
                },
                [&] { listed = ListedAndCancelled(); }});
    EXPECT_EQ(listed, (std::vector<std::string>{"Eigene Lampe", "Halogen 35W", "LED 5W",
                                                "LED 10W (Arbeitsordner)",
                                                "LED 10W (Dokumente\\Lumetrix)", "Strahler"}));
}

// Another program rewrites a lamp file in place, at the same length, again and again while the
// program reads it: every reading gives the record of one version, or says that the file
// changed while it was read, never a record of parts of both. The versions differ in the name
// and the flux near the start and in the beam angle at the end, 20 KiB further on.
TEST(LampFile, RewrittenWhileReadGivesOneVersionOrNone) {
    const std::filesystem::path folder = FreshTestFolder("lumetrix-lamp-file-");
    const auto version = [](const char* name, const char* flux, const char* tail) {
        std::string text = kSpotlight;
        text.replace(text.find("\n\n\n\n\n\n"), 2, std::string("\n") + name + "\n");
        text.replace(text.find("\n1000\n"), 6, std::string("\n") + flux + "\n");
        text.replace(text.find("\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n"), 1,
                     "\n" + std::string(20480, ' '));
        text.replace(text.size() - 22, 22, tail);
        return text;
    };
    const std::string versions[] = {
        version("Version A", "1000", "1000\n700\n500\n300\n100\n0\n0\n"),
        version("Version B", "2000", "1000\n900\n800\n700\n500\n0\n0\n")};
    ASSERT_EQ(versions[0].size(), versions[1].size());
    const FolderFile file{"Lampe.ldt", (folder / "Lampe.ldt").wstring()};
    WriteWholeFile(folder / "Lampe.ldt", versions[0]);
    const std::vector<std::string> records[2] = {
        LuminaireFileRecords(file.name, versions[0]).records,
        LuminaireFileRecords(file.name, versions[1]).records};
    ASSERT_EQ(records[0].size(), 1u);
    ASSERT_NE(records[0], records[1]);
    {
        // The guard of a reading keeps writers out, and writers keep it from holding.
        std::FILE* reading = OpenSystemFileForReading(file.path);
        ASSERT_NE(reading, nullptr);
        const WriteGuard guard(reading);
        EXPECT_TRUE(guard.Holds());
        EXPECT_EQ(CreateFileW(file.path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                  INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
        std::fclose(reading);
    }

    const RewriteOutcome outcome = ReadWhileRewritten(file, records, 200, [&](std::size_t n) {
        const HANDLE handle =
            CreateFileW(file.path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(handle, versions[n % 2].data(), static_cast<DWORD>(versions[n % 2].size()),
                      &written, nullptr);
            CloseHandle(handle);
        }
    });
    EXPECT_EQ(outcome.mixed, 0);
    EXPECT_GT(outcome.whole, 0);
    std::filesystem::remove_all(folder);
}

} // namespace
