// The main dialog keeps the user's work: with unsaved changes it asks before it ends, and its
// title names the file the calculation belongs to, with a '*' while there are such changes.
#include "framework/headless/Desktop.h"
#include "resources/resource.h"
#include "tests/TestFolder.h"
#include "tests/WholeFiles.h"
#include "ui/MainDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const kSaveQuestion = "Die Berechnung wurde ge\xE4ndert. Vor dem Beenden speichern ?";
// The line of Raumgröße in a data file, given, with the value 35.
const std::string kRoomArea35 = "Raumgr\xF6\xDF"
                                "e" +
                                std::string(11, ' ') + " = " + std::string(9, ' ') +
                                "35.000000 m\xB2    *\n";

using Action = std::function<void(headless::Desktop&)>;

struct Named {
    const char* name;
    Action act;
};

// The ways a user ends the program.
const Named kEndings[] = {
    {"Escape", [](headless::Desktop& desktop) { desktop.PressEscape(); }},
    {"Abbrechen", [](headless::Desktop& desktop) { desktop.Click(IDCANCEL); }},
    {"close box", [](headless::Desktop& desktop) { desktop.SystemCommand(SC_CLOSE); }},
};

void Save(headless::Desktop& desktop, const std::string& path) {
    desktop.QueueFileAnswer(path);
    desktop.Click(IDC_SAVE);
}

void Load(headless::Desktop& desktop, const std::string& path) {
    desktop.QueueFileAnswer(path);
    desktop.Click(IDC_LOAD);
}

// Each test runs in a working folder of its own, which holds a data file, a text that is none,
// and a lamp database.
class UnsavedChangesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = FreshTestFolder("lumetrix-unsaved-");
        m_previousFolder = fs::current_path();
        fs::current_path(m_folder);
        WriteWholeFile("other.lumx", "Lichtstrom = 2000 *\n");
        WriteWholeFile("text.lumx", "kein Datensatz\n");
        WriteWholeFile("LightDatabase.csv", "LED 10W;*;806;;36;;;;;10\r\n");
    }
    void TearDown() override {
        fs::current_path(m_previousFolder);
        fs::remove_all(m_folder);
    }

    // Runs a fresh main dialog with `driver` as its user; returns what DoModal returned.
    INT_PTR Run(const std::function<void()>& driver) {
        MainDialog dialog;
        return desktop.Run(dialog, driver);
    }

    int QuestionsAsked() const {
        int asked = 0;
        for (const headless::MessageBoxRecord& box : desktop.MessageBoxes()) {
            if (box.text == kSaveQuestion) {
                EXPECT_EQ(box.caption, "Lumetrix");
                EXPECT_EQ(box.style, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
                ++asked;
            }
        }
        return asked;
    }

    headless::Desktop desktop;

private:
    fs::path m_folder;
    fs::path m_previousFolder;
};

TEST_F(UnsavedChangesTest, EndsAtOnceWhenNothingChanged) {
    const Named unchanged[] = {
        {"nothing done", [](headless::Desktop&) {}},
        // Typing a field's own value and leaving it only formats its text.
        {"a field left as it was",
         [](headless::Desktop& desktop) {
             desktop.Type(IDC_EDIT_HOURS_PER_DAY, "5");
             desktop.Tab();
         }},
        {"a change saved",
         [](headless::Desktop& desktop) {
             fs::remove("plan.lumx");
             desktop.Type(IDC_EDIT_ROOM_AREA, "35");
             Save(desktop, "plan.lumx");
         }},
        {"a change, then a file loaded",
         [](headless::Desktop& desktop) {
             desktop.Type(IDC_EDIT_ROOM_AREA, "35");
             Load(desktop, "other.lumx");
         }},
    };
    for (const Named& before : unchanged) {
        for (const Named& ending : kEndings) {
            SCOPED_TRACE(std::string(before.name) + ", then " + ending.name);
            const INT_PTR result = Run([&] {
                before.act(desktop);
                ending.act(desktop);
                EXPECT_FALSE(desktop.HasOpenDialog());
            });
            EXPECT_EQ(result, IDCANCEL);
            EXPECT_EQ(QuestionsAsked(), 0);
        }
    }
}

TEST_F(UnsavedChangesTest, AsksAfterAnyChangeAndNeinEnds) {
    const Named changes[] = {
        {"typing", [](headless::Desktop& desktop) { desktop.Type(IDC_EDIT_ROOM_AREA, "3"); }},
        {"a box clicked", [](headless::Desktop& desktop) { desktop.Click(IDC_GIVEN_ILLUMINANCE); }},
        {"a lamp from the database",
         [](headless::Desktop& desktop) {
             desktop.QueueDialogAnswer([&desktop] { desktop.PressEnter(); });
             desktop.Click(IDC_DATABASE);
         }},
        {"a file loaded, then typing",
         [](headless::Desktop& desktop) {
             Load(desktop, "other.lumx");
             desktop.Type(IDC_EDIT_ROOM_AREA, "3");
         }},
        // As in any editor, a change undone by hand is still a change.
        {"a box ticked and unticked",
         [](headless::Desktop& desktop) {
             desktop.Click(IDC_GIVEN_ILLUMINANCE);
             desktop.Click(IDC_GIVEN_ILLUMINANCE);
         }},
    };
    int asked = 0;
    for (const Named& change : changes) {
        for (const Named& ending : kEndings) {
            SCOPED_TRACE(std::string(change.name) + ", then " + ending.name);
            HWND shown = nullptr;
            const INT_PTR result = Run([&] {
                shown = desktop.ActiveDialog();
                change.act(desktop);
                desktop.QueueMessageBoxAnswer(IDNO);
                ending.act(desktop);
                EXPECT_FALSE(desktop.HasOpenDialog());
            });
            EXPECT_EQ(result, IDCANCEL);
            EXPECT_EQ(QuestionsAsked(), ++asked);
            EXPECT_EQ(desktop.MessageBoxes().back().owner, shown);
        }
    }
    EXPECT_FALSE(fs::exists("plan.lumx"));
}

// Enter reaches the dialog as IDOK, which ends it when no window has the focus: it asks too.
TEST_F(UnsavedChangesTest, EnterWithoutFocusAsksToo) {
    const INT_PTR result = Run([&] {
        desktop.Type(IDC_EDIT_ROOM_AREA, "35");
        ::SetFocus(nullptr);
        desktop.QueueMessageBoxAnswer(IDCANCEL);
        desktop.PressEnter();
        EXPECT_TRUE(desktop.HasOpenDialog());
        desktop.QueueMessageBoxAnswer(IDNO);
        desktop.PressEnter();
        EXPECT_FALSE(desktop.HasOpenDialog());
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(QuestionsAsked(), 2);
}

// Abbrechen returns to the dialog as the user left it: the focus where it was, and the field
// still as typed (leaving it clamps 170 to 120.0, as clicking the button "Abbrechen" does).
// Asked again, the question comes again.
TEST_F(UnsavedChangesTest, AbbrechenReturnsToTheDialogAsItWas) {
    for (const Named& ending : kEndings) {
        SCOPED_TRACE(ending.name);
        const bool byButton = ending.name == std::string("Abbrechen");
        Run([&] {
            desktop.Type(IDC_EDIT_BEAM_ANGLE, "170");
            for (int attempt = 0; attempt < 2; ++attempt) {
                desktop.QueueMessageBoxAnswer(IDCANCEL);
                ending.act(desktop);
                ASSERT_TRUE(desktop.HasOpenDialog());
                EXPECT_EQ(desktop.FocusId(), byButton ? IDCANCEL : IDC_EDIT_BEAM_ANGLE);
                EXPECT_EQ(desktop.Text(IDC_EDIT_BEAM_ANGLE), byButton ? "120.0" : "170");
            }
            desktop.Focus(IDC_EDIT_BEAM_ANGLE);
            desktop.Tab();
            EXPECT_EQ(desktop.Text(IDC_EDIT_BEAM_ANGLE), "120.0");
        });
    }
    EXPECT_EQ(QuestionsAsked(), 6);
}

// Ja runs "Speichern" with its file dialog and overwrite question; the program ends only once
// the calculation is in a file.
TEST_F(UnsavedChangesTest, JaSavesAndEndsOnlyWhenTheSaveSucceeded) {
    WriteWholeFile("old.lumx", "the user's other calculation");
    const Named unsaved[] = {
        {"file dialog cancelled", [](headless::Desktop& desktop) { desktop.QueueFileCancel(); }},
        {"no folder to save into",
         [](headless::Desktop& desktop) { desktop.QueueFileAnswer("missing/plan.lumx"); }},
        {"not overwritten",
         [](headless::Desktop& desktop) {
             desktop.QueueFileAnswer("old.lumx");
             desktop.QueueMessageBoxAnswer(IDNO);
         }},
    };
    for (const Named& ending : kEndings) {
        SCOPED_TRACE(ending.name);
        fs::remove("plan.lumx");
        const INT_PTR result = Run([&] {
            desktop.Type(IDC_EDIT_ROOM_AREA, "35");
            for (const Named& failure : unsaved) {
                SCOPED_TRACE(failure.name);
                desktop.QueueMessageBoxAnswer(IDYES);
                failure.act(desktop);
                ending.act(desktop);
                ASSERT_TRUE(desktop.HasOpenDialog());
                EXPECT_EQ(desktop.Text(IDC_EDIT_ROOM_AREA),
                          ending.name == std::string("Abbrechen") ? "35.00" : "35");
                desktop.ClearFileAnswers();
            }
            desktop.QueueMessageBoxAnswer(IDYES);
            desktop.QueueFileAnswer("plan.lumx");
            ending.act(desktop);
            EXPECT_FALSE(desktop.HasOpenDialog());
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_NE(ReadWholeFile("plan.lumx").find(kRoomArea35), std::string::npos);
    }
    EXPECT_EQ(ReadWholeFile("old.lumx"), "the user's other calculation");
    EXPECT_FALSE(fs::exists("missing"));
}

// The title names the file whose content the calculation last came from or went to; a file
// that could not be loaded or saved, or a dialog cancelled, leaves it as it was.
TEST_F(UnsavedChangesTest, TheTitleNamesTheFileAndShowsUnsavedChanges) {
    struct Step {
        const char* name;
        Action act;
        const char* title;
    };
    const Step steps[] = {
        {"start", [](headless::Desktop&) {}, "Lumetrix"},
        {"typing", [](headless::Desktop& d) { d.Type(IDC_EDIT_ROOM_AREA, "35"); }, "Lumetrix"},
        {"saved", [](headless::Desktop& d) { Save(d, "plan.lumx"); }, "plan.lumx - Lumetrix"},
        {"left the field", [](headless::Desktop& d) { d.Tab(); }, "plan.lumx - Lumetrix"},
        {"typing", [](headless::Desktop& d) { d.Type(IDC_EDIT_ROOM_AREA, "40"); },
         "plan.lumx* - Lumetrix"},
        {"save cancelled",
         [](headless::Desktop& d) {
             d.QueueFileCancel();
             d.Click(IDC_SAVE);
         },
         "plan.lumx* - Lumetrix"},
        {"save failed", [](headless::Desktop& d) { Save(d, "missing/x.lumx"); },
         "plan.lumx* - Lumetrix"},
        {"missing file", [](headless::Desktop& d) { Load(d, "missing.lumx"); },
         "plan.lumx* - Lumetrix"},
        {"not a data file", [](headless::Desktop& d) { Load(d, "text.lumx"); },
         "plan.lumx* - Lumetrix"},
        {"loaded", [](headless::Desktop& d) { Load(d, "other.lumx"); }, "other.lumx - Lumetrix"},
        {"box clicked", [](headless::Desktop& d) { d.Click(IDC_GIVEN_ILLUMINANCE); },
         "other.lumx* - Lumetrix"},
        {"saved over",
         [](headless::Desktop& d) {
             d.QueueMessageBoxAnswer(IDYES);
             Save(d, "plan.lumx");
         },
         "plan.lumx - Lumetrix"},
        {"lamp from the database",
         [](headless::Desktop& d) {
             d.QueueDialogAnswer([&d] { d.PressEnter(); });
             d.Click(IDC_DATABASE);
         },
         "plan.lumx* - Lumetrix"},
    };
    Run([&] {
        for (const Step& step : steps) {
            step.act(desktop);
            EXPECT_EQ(desktop.Caption(), step.title) << step.name;
        }
    });
}

TEST_F(UnsavedChangesTest, AFileNamedAtStartIsTheCalculationsFile) {
    MainDialog started;
    started.LoadDataFileAtStart("other.lumx");
    const INT_PTR result = desktop.Run(started, [&] {
        EXPECT_EQ(desktop.Caption(), "other.lumx - Lumetrix");
        desktop.PressEscape();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(QuestionsAsked(), 0);
}

} // namespace
