// "Datenbank" on the main dialog: the lamps listed from LightDatabase.csv and the lamp files
// of the folders "Leuchten", the entry pre-selected, and a chosen record's fields applied to
// the quantities one after another; missing, unreadable and oversized sources.
#include "framework/headless/Desktop.h"
#include "io/LightDatabase.h"
#include "io/LuminaireFolder.h"
#include "resources/resource.h"
#include "tests/RewrittenLampFile.h"
#include "tests/TestFolder.h"
#include "tests/WholeFiles.h"
#include "ui/ChoiceDialogTemplate.h"
#include "ui/MainDialog.h"
#include "ui/QuantityControls.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const kOpenError = "Die Datei 'LightDatabase.csv' konnte nicht ge\xF6"
                               "ffnet werden !";
const char* const kEmptyError = "Die Datenbankdatei 'LightDatabase.csv' ist leer !";
const char* const kSizeError = "Die Datenbankdatei 'LightDatabase.csv' ist zu gro\xDF !\n"
                               "Erlaubt sind h\xF6"
                               "chstens 100 000 Eintr\xE4ge und 16 MB.";

const char* const kUnreadableLampFiles = "Diese Leuchtendateien konnten nicht gelesen werden:";

const char* const kExampleFile = ";Name;cd;lm;lux;Grad;sr;m2;m;m;W;lm/W\r\n"
                                 "\r\n"
                                 "LED 10W;*;806;;36;;;;;10\r\n"
                                 "Halogen 35W ;;600;;;;;;;35;*;;;;;;;2000;3,50\r\n"
                                 "LED 5W;;400;;120;;;;;5\r\n";

std::string Repeated(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += line;
    }
    return text;
}

// What the choice dialog showed when it opened.
struct ChoiceShown {
    std::vector<std::string> entries;
    int selected;
    std::string caption;
    std::string prompt;
};

// What the main dialog shows of one quantity.
struct FieldState {
    std::string text;
    bool checked;
    bool operator==(const FieldState& other) const {
        return text == other.text && checked == other.checked;
    }
    friend void PrintTo(const FieldState& field, std::ostream* out) {
        *out << '"' << field.text << "\" " << (field.checked ? "ticked" : "unticked");
    }
};

// Each test runs in a fresh working folder of its own, where the command looks for the file.
class DatabaseCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = FreshTestFolder("lumetrix-database-");
        m_previousFolder = fs::current_path();
        fs::current_path(m_folder);
    }

    void TearDown() override {
        fs::current_path(m_previousFolder);
        fs::remove_all(m_folder);
    }

    // The message when no source holds a lamp: it names where the program looked, the folder of
    // the program (this test) among them.
    std::string OpenErrorMessage(const std::string& plannerFolder = std::string()) const {
        char program[4096];
        ::GetModuleFileNameA(nullptr, program, sizeof program);
        return std::string(kOpenError) +
               "\n\nGesucht wurden LightDatabase.csv und der Ordner Leuchten in:\n" +
               m_folder.string() + " (Arbeitsordner)\n" + fs::path(program).parent_path().string() +
               " (Programmordner)" + (plannerFolder.empty() ? "" : "\n" + plannerFolder);
    }

    const fs::path& Folder() const { return m_folder; }

    static void WriteDatabase(const std::string& content) {
        std::FILE* file = std::fopen("LightDatabase.csv", "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(content.data(), 1, content.size(), file);
        std::fclose(file);
    }

    INT_PTR Run(const std::function<void()>& driver) { return desktop.Run(dialog, driver); }

    // Presses "Datenbank" and lets `answer` act on the choice dialog; returns what the dialog
    // showed, none when it did not open.
    std::optional<ChoiceShown> PressDatabase(const std::function<void()>& answer) {
        std::optional<ChoiceShown> shown;
        desktop.QueueDialogAnswer([&] {
            shown = ChoiceShown{desktop.ComboItems(IDC_CHOICE_LIST),
                                desktop.ComboSelection(IDC_CHOICE_LIST), desktop.Caption(),
                                desktop.Text(IDC_CHOICE_PROMPT)};
            answer();
        });
        desktop.Click(IDC_DATABASE);
        desktop.ClearDialogAnswers();
        return shown;
    }

    // Presses "Datenbank" and confirms entry `entry`, or the pre-selected one.
    std::optional<ChoiceShown> Pick(std::optional<int> entry = std::nullopt) {
        return PressDatabase([&] {
            if (entry) {
                desktop.SelectComboItem(IDC_CHOICE_LIST, *entry);
            }
            desktop.PressEnter();
        });
    }

    std::optional<ChoiceShown> PickAndCancel(int entry) {
        return PressDatabase([&] {
            desktop.SelectComboItem(IDC_CHOICE_LIST, entry);
            desktop.Click(IDCANCEL);
        });
    }

    // The name chosen last is kept for the whole run of the program; choosing the empty name
    // of a blank record makes the next press behave like the first one.
    void ForgetTheChosenName() {
        WriteDatabase("   \r\n");
        Pick();
    }

    FieldState Field(int q) const {
        return {desktop.Text(ControlsOf(q).editId), desktop.IsChecked(ControlsOf(q).checkboxId)};
    }

    std::vector<FieldState> AllFields() const {
        std::vector<FieldState> fields;
        for (int q = 0; q < kQuantityCount; ++q) {
            fields.push_back(Field(q));
        }
        return fields;
    }

    headless::Desktop desktop;
    MainDialog dialog;

private:
    fs::path m_folder;
    fs::path m_previousFolder;
};

TEST_F(DatabaseCommandTest, ListsTheExampleFileInNaturalOrderAndAppliesTheChosenLamp) {
    Run([&] {
        ForgetTheChosenName();
        WriteDatabase(kExampleFile);
        const std::optional<ChoiceShown> first = Pick(2);
        ASSERT_TRUE(first);
        EXPECT_EQ(first->entries, (std::vector<std::string>{"Halogen 35W", "LED 5W", "LED 10W"}));
        EXPECT_EQ(first->selected, 0);
        EXPECT_EQ(first->caption, "Datenbank");
        EXPECT_EQ(first->prompt, "Lichtquelle ausw\xE4hlen");

        // LED 10W: releases the intensity (already computed), fixes flux, beam angle, power.
        EXPECT_EQ(Field(kLuminousIntensity), (FieldState{"2 621", false}));
        EXPECT_EQ(Field(kLuminousFlux), (FieldState{"806.0", true}));
        EXPECT_EQ(Field(kBeamAngle), (FieldState{"36.0", true}));
        EXPECT_EQ(Field(kPower), (FieldState{"10.00", true}));
        EXPECT_EQ(Field(kEfficacy), (FieldState{"80.60", false}));
        EXPECT_EQ(dialog.Store().value[kPower], 10.0);

        const std::optional<ChoiceShown> second = Pick(0);
        ASSERT_TRUE(second);
        EXPECT_EQ(second->selected, 2);

        // Halogen 35W: flux, power, lamp life and price fixed, efficacy released.
        EXPECT_EQ(Field(kLuminousFlux), (FieldState{"600.0", true}));
        EXPECT_EQ(Field(kPower), (FieldState{"35.00", true}));
        EXPECT_EQ(Field(kLampLife), (FieldState{"2 000", true}));
        EXPECT_EQ(Field(kLampPrice), (FieldState{"3.50", true}));
        EXPECT_EQ(Field(kEfficacy), (FieldState{"17.14", false}));
        EXPECT_EQ(Field(kBeamAngle), (FieldState{"36.0", true}));
        EXPECT_EQ(dialog.Store().value[kLampPrice], 3.5);
    });
}

TEST_F(DatabaseCommandTest, AMissingOrUnreadableFileOrAnEmptyDatabaseChangesNothing) {
    const std::string openError = OpenErrorMessage();
    const struct {
        const char* what;
        std::function<void()> prepare;
        std::string message;
    } cases[] = {
        {"missing file", [] {}, openError},
        {"folder", [] { fs::create_directory("LightDatabase.csv"); }, openError},
        {"empty file", [] { WriteDatabase(""); }, kEmptyError},
        {"comments and empty lines only",
         [] { WriteDatabase(";Name;cd;lm\r\n\r\n;LED 10W;*;806\r\n\r\n"); }, kEmptyError},
        {"pipe",
         [] {
#ifndef __EMSCRIPTEN__ // the browser's files have no named pipes: there it stays missing
             ::mkfifo("LightDatabase.csv", 0600);
#endif
         },
         openError},
        {"endless device", [] { fs::create_symlink("/dev/zero", "LightDatabase.csv"); }, openError},
        {"random device", [] { fs::create_symlink("/dev/urandom", "LightDatabase.csv"); },
         openError},
        {"more records than allowed",
         [] { WriteDatabase(Repeated("LED;;806\n", kMaximumDatabaseRecords + 1)); }, kSizeError},
        {"more bytes than allowed",
         [] { WriteDatabase(";" + std::string(kMaximumDatabaseBytes, 'x')); }, kSizeError},
    };
    Run([&] {
        const std::vector<FieldState> before = AllFields();
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            fs::remove_all("LightDatabase.csv");
            c.prepare();
            const std::size_t boxesBefore = desktop.MessageBoxes().size();
            EXPECT_FALSE(Pick());
            ASSERT_EQ(desktop.MessageBoxes().size(), boxesBefore + 1);
            const headless::MessageBoxRecord& box = desktop.MessageBoxes().back();
            EXPECT_EQ(box.owner, dialog.GetSafeHwnd());
            EXPECT_EQ(box.text, c.message);
            EXPECT_EQ(box.caption, "Fehler");
            EXPECT_EQ(box.style, static_cast<UINT>(MB_ICONHAND));
            EXPECT_EQ(AllFields(), before);
        }
    });
}

TEST_F(DatabaseCommandTest, PreselectsTheNameChosenLastAndKeepsItWhenCancelled) {
    WriteDatabase(kExampleFile);
    Run([&] {
        Pick(2); // LED 10W
        const std::vector<FieldState> chosen = AllFields();
        EXPECT_EQ(PickAndCancel(0).value().selected, 2);
        EXPECT_EQ(AllFields(), chosen);
        EXPECT_EQ(Pick().value().selected, 2);

        // Gone from the file: the first entry. Back twice: the later one in sorted order.
        WriteDatabase("Halogen 35W;;600\nLED 5W;;400\n");
        EXPECT_EQ(Pick(0).value().selected, 0);
        WriteDatabase("Halogen 35W;;700\nLED 10W;;900\nHalogen 35W;;600\n");
        const std::optional<ChoiceShown> shown = Pick();
        EXPECT_EQ(shown.value().entries,
                  (std::vector<std::string>{"Halogen 35W", "Halogen 35W", "LED 10W"}));
        EXPECT_EQ(shown.value().selected, 1);
        EXPECT_EQ(desktop.Text(ControlsOf(kLuminousFlux).editId), "700.0");
    });
}

TEST_F(DatabaseCommandTest, ABlankRecordHasAnEmptyNameAndIsPreselectedAtFirst) {
    Run([&] {
        ForgetTheChosenName();
        WriteDatabase("LED 10W;*;806\n \t \n");
        const std::optional<ChoiceShown> shown = Pick();
        EXPECT_EQ(shown.value().entries, (std::vector<std::string>{"", "LED 10W"}));
        EXPECT_EQ(shown.value().selected, 0);
    });
}

TEST_F(DatabaseCommandTest, ListsWholeLinesAndNamesAsTheFileHasThem) {
    const std::string longName(300, 'N');
    WriteDatabase("\xEF\xBB\xBF;Name;cd;lm\r\n"
                  "Name;Lichtst\xE4rke;Lichtstrom\n"
                  "LED;1\n"
                  "LED 5W;1\n" +
                  longName + ";1\n" + "  Spot  ;1\r\n");
    Run([&] {
        const std::optional<ChoiceShown> shown = PressDatabase([&] { desktop.PressEscape(); });
        ASSERT_TRUE(shown);
        // Leading blanks sort a line first although the name loses them; the blank after
        // "LED" sorts below its ';'. The byte order mark says UTF-8: the comment stays one.
        EXPECT_EQ(shown.value().entries, (std::vector<std::string>{"Spot", "LED 5W", "LED", "Name",
                                                                   std::string(255, 'N')}));
    });
}

TEST_F(DatabaseCommandTest, AppliesFields1To23AndIgnoresTheRest) {
    std::string record = "Alles";
    const char* const values[kQuantityCount] = {"",     "900", "",    "60", "",    "",   "3",   "",
                                                "12",   "",    "40",  "8",  "200", "",   "300", "",
                                                "5000", "4.5", "0.3", "",   "85",  "60", "0.85"};
    for (const char* value : values) {
        record += std::string(";") + value;
    }
    record += ";1;2;3;4;5;6;7;8\r\n"; // fields 24 to 31
    WriteDatabase(record);
    Run([&] {
        Pick();
        for (int q = 0; q < kQuantityCount; ++q) {
            if (*values[q] != '\0') {
                SCOPED_TRACE("quantity " + std::to_string(q));
                EXPECT_TRUE(desktop.IsChecked(ControlsOf(q).checkboxId));
            }
        }
        EXPECT_EQ(Field(kLuminousFlux), (FieldState{"900.0", true}));
        EXPECT_EQ(Field(kBeamAngle), (FieldState{"60.0", true}));
        EXPECT_EQ(Field(kLampLife), (FieldState{"5 000", true}));
        EXPECT_EQ(Field(kRoomEfficiency), (FieldState{"60", true}));
        EXPECT_EQ(Field(kMaintenanceFactor), (FieldState{"0.85", true}));
    });
}

TEST_F(DatabaseCommandTest, EachFieldActsOnTopOfTheOnesBeforeItAsAClickWould) {
    WriteDatabase("Nur Lichtst\xE4rke;5000\nKurz;5000;700\n");
    Run([&] {
        const std::vector<FieldState> before = AllFields();
        ASSERT_FALSE(before[kLuminousIntensity].checked);
        ASSERT_TRUE(before[kLuminousFlux].checked);

        // Ticking the computed intensity over-determines formula 2: the flux, ticked longer
        // ago, is unticked and now follows from the intensity.
        Pick(1);
        EXPECT_EQ(Field(kLuminousIntensity), (FieldState{"5 000", true}));
        EXPECT_EQ(Field(kLuminousFlux), (FieldState{"1 537.6", false}));

        // Fixing the flux again then unticks the intensity that the field before had fixed.
        // A record of three fields touches no box beyond quantities 0 and 1.
        Pick(0);
        EXPECT_EQ(Field(kLuminousIntensity), (FieldState{"2 276", false}));
        EXPECT_EQ(Field(kLuminousFlux), (FieldState{"700.0", true}));
        for (int q = kLuminousFlux + 1; q < kQuantityCount; ++q) {
            EXPECT_EQ(Field(q).checked, before[q].checked) << "quantity " << q;
        }
        EXPECT_EQ(Field(kPower), before[kPower]);
    });
}

TEST_F(DatabaseCommandTest, ReleasingUnticksAGivenQuantityAndBlankFieldsChangeNothing) {
    WriteDatabase("Los; * ; *rest ;  \t ;\t*\r\n");
    Run([&] {
        const std::vector<FieldState> before = AllFields();
        ASSERT_TRUE(before[kLuminousFlux].checked);
        Pick();
        EXPECT_FALSE(desktop.IsChecked(ControlsOf(kLuminousIntensity).checkboxId));
        EXPECT_FALSE(desktop.IsChecked(ControlsOf(kLuminousFlux).checkboxId));
        EXPECT_EQ(Field(kIlluminance).checked, before[kIlluminance].checked);
        EXPECT_FALSE(Field(kBeamAngle).checked);
        EXPECT_EQ(Field(kBeamAngle).text, before[kBeamAngle].text);
    });
}

TEST_F(DatabaseCommandTest, ReadsCommaAndPointDecimalsAndLettersAsZero) {
    WriteDatabase("Komma;;;;12,5\nPunkt;;;;12.5\nText;;abc\n");
    Run([&] {
        Pick(0);
        EXPECT_EQ(desktop.Text(ControlsOf(kBeamAngle).editId), "12.5");
        Pick(1);
        EXPECT_EQ(desktop.Text(ControlsOf(kBeamAngle).editId), "12.5");
        EXPECT_EQ(dialog.Store().value[kBeamAngle], 12.5);
        Pick(2);
        EXPECT_EQ(Field(kLuminousFlux), (FieldState{"0.0", true}));
    });
}

TEST_F(DatabaseCommandTest, ARecordFixingAllMembersOfAFormulaLeavesOneUnticked) {
    // Flux, power and efficacy are the members of formula 5.
    WriteDatabase("Alle;;900;;;;;;;12;75\n");
    Run([&] {
        Pick();
        const int ticked =
            Field(kLuminousFlux).checked + Field(kPower).checked + Field(kEfficacy).checked;
        EXPECT_EQ(ticked, 2);
        EXPECT_TRUE(Field(kEfficacy).checked);
        EXPECT_EQ(Field(kEfficacy).text, "75.00");
    });
}

// The sample database that ships with the program: every lamp fixes its flux and power and
// leaves the intensity and the efficacy to the formulas.
TEST_F(DatabaseCommandTest, EveryLampOfTheShippedSampleApplies) {
    fs::copy_file(LUMETRIX_SAMPLE_DATABASE, "LightDatabase.csv");
    Run([&] {
        const std::size_t lamps = Pick().value().entries.size();
        EXPECT_GE(lamps, 30u);
        for (std::size_t i = 0; i < lamps; ++i) {
            const std::string name = Pick(static_cast<int>(i)).value().entries[i];
            SCOPED_TRACE(name);
            const ValueStore& store = dialog.Store();
            EXPECT_TRUE(Field(kLuminousFlux).checked && Field(kPower).checked);
            EXPECT_FALSE(Field(kLuminousIntensity).checked || Field(kEfficacy).checked);
            EXPECT_GT(store.value[kPower], 0.0);
            EXPECT_NEAR(store.value[kEfficacy], store.value[kLuminousFlux] / store.value[kPower],
                        0.01);
        }
    });
}

TEST_F(DatabaseCommandTest, HandlesAHundredThousandRecords) {
    std::string content;
    for (int i = 0; i < 100000; ++i) {
        content += "Lampe " + std::to_string(i) + ";;" + std::to_string(i % 5000) + "\n";
    }
    WriteDatabase(content);
    Run([&] {
        const std::optional<ChoiceShown> shown = Pick(99999);
        ASSERT_TRUE(shown);
        ASSERT_EQ(shown.value().entries.size(), 100000u);
        EXPECT_EQ(shown.value().entries[10], "Lampe 10");
        EXPECT_EQ(shown.value().entries[99999], "Lampe 99999");
        EXPECT_EQ(desktop.Text(ControlsOf(kLuminousFlux).editId), "4 999.0");
    });
}

TEST(LampFolder, LiesBesideTheDatabaseWhereverThatIsFound) {
    EXPECT_EQ(LuminaireFolderBeside("LightDatabase.csv"), "Leuchten");
    EXPECT_EQ(LuminaireFolderBeside("C:\\Programme\\Lumetrix\\LightDatabase.csv"),
              "C:\\Programme\\Lumetrix\\Leuchten");
    EXPECT_EQ(LuminaireFolderBeside("/opt/lumetrix/LightDatabase.csv"), "/opt/lumetrix/Leuchten");
}

// Lamp files in the folder "Leuchten" beside the database, made from the tests' own
// photometric files.
class LampFolderTest : public DatabaseCommandTest {
protected:
    void SetUp() override {
        DatabaseCommandTest::SetUp();
        fs::create_directory(kLuminaireFolderName);
    }

    static std::string OwnFile(const char* name) {
        return ReadWholeFile(fs::path(LUMETRIX_PHOTOMETRY) / name);
    }

    static void PutLampFile(const std::string& name, const std::string& content) {
        WriteWholeFile(fs::path(kLuminaireFolderName) / name, content);
    }

    // A readable lamp file of exactly `size` bytes: blank lines follow its values.
    static std::string LampFileOfSize(std::size_t size) {
        std::string content = OwnFile("symmetry-4.ldt");
        content.resize(size, '\n');
        return content;
    }

    // The texts of the message boxes shown since `first`.
    std::vector<std::string> MessagesSince(std::size_t first) const {
        std::vector<std::string> texts;
        for (std::size_t i = first; i < desktop.MessageBoxes().size(); ++i) {
            texts.push_back(desktop.MessageBoxes()[i].text);
        }
        return texts;
    }
};

TEST_F(LampFolderTest, ListsTheLampFilesAmongTheRecordsAndAppliesOne) {
    WriteDatabase(kExampleFile);
    PutLampFile("Rund.IES", OwnFile("rotational-1995.ies"));
    PutLampFile("quadranten.ldt", OwnFile("symmetry-4.ldt"));
    PutLampFile("notiz.txt", OwnFile("symmetry-4.ldt"));
    fs::create_directories(fs::path(kLuminaireFolderName) / "Ordner.ldt");
    fs::create_directories(fs::path(kLuminaireFolderName) / "Unter");
    WriteWholeFile(fs::path(kLuminaireFolderName) / "Unter" / "tief.ldt", OwnFile("batwing.ldt"));
    Run([&] {
        ForgetTheChosenName();
        WriteDatabase(kExampleFile);
        const std::optional<ChoiceShown> shown = Pick(4);
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->entries, (std::vector<std::string>{"Halogen 35W", "LED 5W", "LED 10W",
                                                            "Rund 1995", "Symmetrie 4"}));
        EXPECT_TRUE(desktop.MessageBoxes().empty());

        // Intensity released; flux, beam angle, power and lamp efficiency given.
        EXPECT_FALSE(Field(kLuminousIntensity).checked);
        EXPECT_EQ(Field(kLuminousFlux), (FieldState{"1 000.0", true}));
        EXPECT_EQ(Field(kBeamAngle), (FieldState{"90.0", true}));
        EXPECT_EQ(Field(kPower), (FieldState{"10.00", true}));
        EXPECT_EQ(Field(kLampEfficiency), (FieldState{"80", true}));
        EXPECT_EQ(Pick().value().selected, 4);
    });
}

TEST_F(LampFolderTest, TheDatabaseMessagesStayForWhenNeitherSourceGivesARecord) {
    const std::string unreadable = std::string(kUnreadableLampFiles) +
                                   "\ntype-a.ies: Photometrie vom Typ A wird nicht unterst\xFCtzt";
    const struct {
        const char* what;
        const char* database; // null: no LightDatabase.csv
        const char* lampFile; // null: the folder is empty
        std::vector<std::string> messages;
        std::vector<std::string> entries; // empty: the choice dialog does not open
    } cases[] = {
        {"lamp files alone", nullptr, "symmetry-4.ldt", {}, {"Symmetrie 4"}},
        {"empty folder", nullptr, nullptr, {OpenErrorMessage()}, {}},
        {"no database, unreadable file",
         nullptr,
         "type-a.ies",
         {unreadable, OpenErrorMessage()},
         {}},
        {"empty database, unreadable file", "", "type-a.ies", {unreadable, kEmptyError}, {}},
        {"database and unreadable file", "LED;;1", "type-a.ies", {unreadable}, {"LED"}},
    };
    Run([&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            fs::remove_all("LightDatabase.csv");
            fs::remove_all(kLuminaireFolderName);
            fs::create_directory(kLuminaireFolderName);
            if (c.database != nullptr) {
                WriteDatabase(c.database);
            }
            if (c.lampFile != nullptr) {
                PutLampFile(c.lampFile, OwnFile(c.lampFile));
            }
            const std::size_t first = desktop.MessageBoxes().size();
            std::size_t messagesBeforeChoice = 0;
            const std::optional<ChoiceShown> shown = PressDatabase([&] {
                messagesBeforeChoice = desktop.MessageBoxes().size() - first;
                desktop.PressEscape();
            });
            EXPECT_EQ(MessagesSince(first), c.messages);
            EXPECT_EQ(shown ? shown->entries : std::vector<std::string>(), c.entries);
            if (shown) {
                EXPECT_EQ(messagesBeforeChoice, c.messages.size());
            }
        }
    });
}

TEST_F(LampFolderTest, NamesTheFilesThatCannotBeReadOnceWithTheirReasonsAtMostTen) {
    const std::string good = OwnFile("symmetry-4.ldt");
    std::string tenBroken = kUnreadableLampFiles;
    for (int i = 1; i <= 10; ++i) {
        tenBroken += "\nkaputt " + std::to_string(i) +
                     ".ies: Photometrie vom Typ A wird nicht unterst\xFCtzt";
    }
    const struct {
        const char* what;
        std::function<void()> prepare;
        std::string message; // empty: none
        std::size_t entries;
    } cases[] = {
        {"broken files, ten named",
         [&] {
             for (int i = 1; i <= 12; ++i) {
                 PutLampFile("kaputt " + std::to_string(i) + ".ies", OwnFile("type-a.ies"));
             }
             PutLampFile("gut.ldt", good);
         },
         tenBroken + "\nund 2 weitere", 1},
        {"files of 4 MiB and one byte more",
         [&] {
             PutLampFile("a.ldt", LampFileOfSize(kMaximumLuminaireFileBytes));
             PutLampFile("b.ldt", LampFileOfSize(kMaximumLuminaireFileBytes + 1));
         },
         std::string(kUnreadableLampFiles) + "\nb.ldt: gr\xF6\xDF"
                                             "er als 4 MiB",
         1},
        {"more than 1000 files",
         [&] {
             for (int i = 1; i <= kMaximumLuminaireFiles + 1; ++i) {
                 PutLampFile("Lampe " + std::to_string(i) + ".ldt", good);
             }
         },
         "mehr als 1 000 Leuchtendateien: nur die ersten werden gelistet", 1000},
        {"more than 64 MiB in all",
         [&] {
             for (char name = 'a'; name <= 'q'; ++name) {
                 PutLampFile(std::string(1, name) + ".ldt",
                             LampFileOfSize(kMaximumLuminaireFileBytes));
             }
         },
         std::string(kUnreadableLampFiles) +
             "\nq.ldt: nicht gelesen: mehr als 64 MiB Leuchtendateien",
         16},
    };
    Run([&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            fs::remove_all(kLuminaireFolderName);
            fs::create_directory(kLuminaireFolderName);
            c.prepare();
            const std::size_t first = desktop.MessageBoxes().size();
            const std::optional<ChoiceShown> shown = PressDatabase([&] { desktop.PressEscape(); });
            ASSERT_EQ(desktop.MessageBoxes().size(), first + 1);
            const headless::MessageBoxRecord& box = desktop.MessageBoxes().back();
            EXPECT_EQ(box.text, c.message);
            EXPECT_EQ(box.caption, "Fehler");
            EXPECT_EQ(box.style, static_cast<UINT>(MB_ICONEXCLAMATION));
            EXPECT_EQ(shown.value().entries.size(), c.entries);
        }
    });
}

// The planner's own folder Lumetrix in his Documents, here a folder of the test's own.
class PlannerFolderTest : public LampFolderTest {
protected:
    void SetUp() override {
        LampFolderTest::SetUp();
        planner = Folder() / "Dokumente" / "Lumetrix";
        fs::create_directories(planner / kLuminaireFolderName);
        ::setenv("LUMETRIX_DOCUMENTS", (Folder() / "Dokumente").c_str(), 1);
    }
    void TearDown() override {
        ::setenv("LUMETRIX_DOCUMENTS", "", 1);
        LampFolderTest::TearDown();
    }

    // An IES lamp file of that luminaire name.
    static std::string IesLamp(const std::string& name) {
        std::string content = OwnFile("rotational-1995.ies");
        return content.replace(content.find("Rund 1995"), 9, name);
    }

    fs::path planner;
};

TEST_F(PlannerFolderTest, ListsItsLampsWithTheOthersAndTellsRepeatedNamesApart) {
    WriteDatabase("LED 10W;*;806\r\n");
    WriteWholeFile(planner / "LightDatabase.csv", "LED 10W;;900\r\nEigene;;100\r\n");
    WriteWholeFile(planner / kLuminaireFolderName / "Wand A.ies", IesLamp("WANDLEUCHTE"));
    WriteWholeFile(planner / kLuminaireFolderName / "Wand B.ies", IesLamp("WANDLEUCHTE"));
    PutLampFile("Wand C.ies", IesLamp("WANDLEUCHTE"));
    PutLampFile("quadranten.ldt", OwnFile("symmetry-4.ldt"));
    Run([&] {
        ForgetTheChosenName();
        WriteDatabase("LED 10W;*;806\r\n");
        const std::optional<ChoiceShown> shown = Pick(2);
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->entries,
                  (std::vector<std::string>{"Eigene", "LED 10W (Arbeitsordner)",
                                            "LED 10W (Dokumente\\Lumetrix)", "Symmetrie 4",
                                            "WANDLEUCHTE (Wand A.ies)", "WANDLEUCHTE (Wand B.ies)",
                                            "WANDLEUCHTE (Wand C.ies)"}));
        EXPECT_TRUE(desktop.MessageBoxes().empty());
        EXPECT_EQ(Field(kLuminousFlux), (FieldState{"900.0", true}));
        EXPECT_EQ(Pick().value().selected, 2);
    });
}

TEST_F(PlannerFolderTest, IsReadOnceAndNamedWhereTheProgramLooked) {
    const std::string plannerPath = planner.string();
    Run([&] {
        // Nothing anywhere: the message names the planner's folder too.
        ForgetTheChosenName();
        fs::remove("LightDatabase.csv");
        const std::size_t first = desktop.MessageBoxes().size();
        EXPECT_FALSE(Pick());
        EXPECT_EQ(MessagesSince(first), std::vector<std::string>{OpenErrorMessage(plannerPath)});

        // Its lamps alone; started in it, the same lamps once.
        WriteWholeFile(planner / "LightDatabase.csv", "Eigene;;100\r\n");
        WriteWholeFile(planner / kLuminaireFolderName / "quadranten.ldt",
                       OwnFile("symmetry-4.ldt"));
        EXPECT_EQ(Pick().value().entries, (std::vector<std::string>{"Eigene", "Symmetrie 4"}));
        fs::current_path(planner);
        EXPECT_EQ(Pick().value().entries, (std::vector<std::string>{"Eigene", "Symmetrie 4"}));
        fs::current_path(Folder());
    });
}

// Another program rewrites a lamp file in place, at the same length, again and again while the
// program reads it: every reading gives the record of one version, or says that the file
// changed while it was read, never a record of parts of both. The two versions differ in the
// name, the flux and the power near the start and in the beam angle at the end, with 20 KiB
// of blanks in the lines between that the format skips.
TEST(LampFile, RewrittenWhileReadGivesOneVersionOrNone) {
    const fs::path folder = FreshTestFolder("lumetrix-lamp-file-");
    std::vector<std::string> lines;
    std::istringstream original(ReadWholeFile(fs::path(LUMETRIX_PHOTOMETRY) / "symmetry-4.ldt"));
    for (std::string line; std::getline(original, line);) {
        lines.push_back(line);
    }
    const auto version = [&](const char* name, const char* flux, const char* watts,
                             const char* c90) {
        std::vector<std::string> text = lines;
        text[8] = name;
        text[28] = flux;
        text[31] = watts;
        for (int ratio = 32; ratio < 42; ++ratio) {
            text[ratio] = std::string(2048, ' ') + "0";
        }
        std::istringstream intensities(c90);
        for (int gamma = 60; gamma < 67; ++gamma) {
            intensities >> text[gamma];
        }
        std::string joined;
        for (const std::string& line : text) {
            joined += line + "\n";
        }
        return joined;
    };
    const std::string versions[] = {
        version("Version A", "1000", "10", "1000 900 800 700 500 100 0"),
        version("Version B", "2000", "20", "1000 700 500 300 100 000 0")};
    ASSERT_EQ(versions[0].size(), versions[1].size());
    const FolderFile file{"Lampe.ldt", (folder / "Lampe.ldt").string()};
    WriteWholeFile(file.path, versions[0]);
    const std::vector<std::string> records[2] = {
        LuminaireFileRecords(file.name, versions[0]).records,
        LuminaireFileRecords(file.name, versions[1]).records};
    ASSERT_EQ(records[0],
              std::vector<std::string>{"Version A;*;1000;;90;;;;;10;;;;;;;;;;;;80;;\r\n"});
    ASSERT_EQ(records[1],
              std::vector<std::string>{"Version B;*;2000;;60;;;;;20;;;;;;;;;;;;80;;\r\n"});

    const int descriptor = ::open(file.path.c_str(), O_WRONLY);
    ASSERT_GE(descriptor, 0);
    const RewriteOutcome outcome = ReadWhileRewritten(file, records, 2000, [&](std::size_t n) {
        ::pwrite(descriptor, versions[n % 2].data(), versions[n % 2].size(), 0);
    });
    ::close(descriptor);
    EXPECT_EQ(outcome.mixed, 0);
    EXPECT_GT(outcome.whole, 0);
    fs::remove_all(folder);
}

} // namespace
