// Unsaved work under the real window system: the question before the program ends, answered
// with real keys and clicks, and the title that names the calculation's file.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "resources/resource.h"
#include "tests/WholeFiles.h"

#include <cstdio>
#include <string>

namespace {

const char* const kSaveQuestion = "Die Berechnung wurde ge\xE4ndert. Vor dem Beenden speichern ?";
const char* const kFileName = "lumetrix-win32-unsaved.lumx";
const int kMessageBoxText = 0xFFFF; // the static control that shows a message box's text

class UnsavedChangesTest : public ProgramTest {
protected:
    void SetUp() override { RemoveFiles(); }
    void TearDown() override { RemoveFiles(); }
    void RemoveFiles() {
        SetFileAttributesA(readOnlyPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        std::remove(readOnlyPath.c_str());
        std::remove(path.c_str());
    }

    // The message box now open in front of the main dialog, checked to show `text`.
    HWND MessageBoxShowing(const std::string& caption, const std::string& text) {
        HWND box = GetActiveWindow();
        EXPECT_NE(box, main);
        EXPECT_EQ(TextOf(box), caption);
        EXPECT_EQ(TextOf(box, kMessageBoxText), text);
        return box;
    }
    HWND Question() { return MessageBoxShowing("Lumetrix", kSaveQuestion); }

    // The main dialog is open again as the user left it: "170" typed into Abstrahlwinkel.
    void ExpectBackWithTheTypedText() {
        EXPECT_TRUE(IsWindowEnabled(main));
        EXPECT_EQ(GetActiveWindow(), main);
        EXPECT_EQ(FocusedId(), IDC_EDIT_BEAM_ANGLE);
        EXPECT_EQ(TextOf(main, IDC_EDIT_BEAM_ANGLE), "170");
    }

    const std::string path = FullPath(kFileName);
    const std::string readOnlyPath = FullPath("lumetrix-win32-read-only.lumx");
};

TEST_F(UnsavedChangesTest, EscapeWithoutChangesEndsAtOnce) {
    RunProgram({[&] {
                    // Typing a field's own value and leaving it only formats its text.
                    TypeInto(main, IDC_EDIT_HOURS_PER_DAY, "5");
                    PressRealKeys({VK_TAB});
                },
                [&] {
                    EXPECT_EQ(TextOf(main, IDC_EDIT_HOURS_PER_DAY), "5.0");
                    PressRealKeys({VK_ESCAPE});
                }});
    EXPECT_EQ(outcome.stepsRun, 3);
    EXPECT_EQ(outcome.dialogsLeftOpen, 0);
    EXPECT_EQ(initInstanceResult, FALSE);
}

// Escape, Alt+F4 and the close box ask; Abbrechen returns to the field as it was typed, and
// Nein ends the program.
TEST_F(UnsavedChangesTest, AfterTypingEndingAsksAndNeinEnds) {
    RunProgram({[&] {
                    TypeInto(main, IDC_EDIT_BEAM_ANGLE, "170");
                    PressRealKeys({VK_ESCAPE});
                },
                [&] { PressRealKeys({VK_ESCAPE}); }, // Abbrechen
                [&] {
                    ExpectBackWithTheTypedText();
                    PressRealKeys({VK_MENU, VK_F4});
                },
                [&] { Click(Question(), IDCANCEL); },
                [&] {
                    ExpectBackWithTheTypedText();
                    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
                },
                [&] { Click(Question(), IDNO); }});
    EXPECT_EQ(outcome.stepsRun, 7);
    EXPECT_EQ(outcome.dialogsLeftOpen, 0);
}

// Ja runs "Speichern": a save that fails (a read-only file) or is cancelled leaves the program
// open; one that succeeds ends it.
TEST_F(UnsavedChangesTest, JaSavesAndEndsOnlyWhenTheSaveSucceeded) {
    WriteWholeFile(readOnlyPath, "the user's other calculation");
    SetFileAttributesA(readOnlyPath.c_str(), FILE_ATTRIBUTE_READONLY);
    RunProgram(
        {[&] {
             TypeInto(main, IDC_EDIT_BEAM_ANGLE, "170");
             PressRealKeys({VK_ESCAPE});
         },
         [&] { Click(Question(), IDYES); }, [&] { ChooseFile("Daten speichern", readOnlyPath); },
         [&] {
             Click(MessageBoxShowing("Fehler", "Die Datei existiert bereits !\nSoll sie "
                                               "\xFC"
                                               "berschrieben werden ?"),
                   IDYES);
         },
         [&] {
             Click(MessageBoxShowing("Fehler", "Die Datei konnte nicht gespeichert werden !"),
                   IDOK);
         },
         [&] {
             ExpectBackWithTheTypedText();
             PressRealKeys({VK_ESCAPE});
         },
         [&] { Click(Question(), IDYES); }, [&] { PressRealKeys({VK_ESCAPE}); }, // the save dialog
         [&] {
             ExpectBackWithTheTypedText();
             PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
         },
         [&] { Click(Question(), IDYES); }, [&] { ChooseFile("Daten speichern", path); }});
    EXPECT_EQ(outcome.stepsRun, 12);
    EXPECT_EQ(outcome.dialogsLeftOpen, 0);
    EXPECT_EQ(ReadWholeFile(readOnlyPath), "the user's other calculation");
    const std::string saved = ReadWholeFile(path);
    const std::string beamAngle = "Abstrahlwinkel" + std::string(6, ' ') + " = " +
                                  std::string(8, ' ') + "120.000000 \xB0     *\n";
    EXPECT_NE(saved.find(beamAngle), std::string::npos) << saved;
}

TEST_F(UnsavedChangesTest, TheTitleNamesTheFileAndShowsUnsavedChanges) {
    const std::string named = std::string(kFileName) + " - Lumetrix";
    const std::string changed = std::string(kFileName) + "* - Lumetrix";
    RunProgram({[&] {
                    EXPECT_EQ(TextOf(main), "Lumetrix");
                    TypeInto(main, IDC_EDIT_ROOM_AREA, "35");
                    EXPECT_EQ(TextOf(main), "Lumetrix");
                    ClickLater(main, IDC_SAVE);
                },
                [&] { ChooseFile("Daten speichern", path); },
                [&] {
                    EXPECT_EQ(TextOf(main), named);
                    TypeInto(main, IDC_EDIT_ROOM_AREA, "40");
                    EXPECT_EQ(TextOf(main), changed);
                    ClickLater(main, IDC_LOAD);
                },
                [&] { ChooseFile("Daten laden", path); },
                [&] {
                    EXPECT_EQ(TextOf(main), named);
                    EXPECT_EQ(TextOf(main, IDC_EDIT_ROOM_AREA), "35.00");
                }});
    EXPECT_EQ(outcome.stepsRun, 6);
    EXPECT_EQ(outcome.dialogsLeftOpen, 1); // the main dialog, unchanged since the load
}

} // namespace
