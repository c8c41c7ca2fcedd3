// "Laden" and "Speichern" on the main dialog: the start-up state saved and loaded back, old
// files without the Wartungsfaktor, the path the file dialogs offer, the overwrite question,
// failed and torn saves, and the messages for files that cannot be loaded.
#include "framework/headless/Desktop.h"
#include "io/DataFileText.h"
#include "resources/resource.h"
#include "tests/TestFolder.h"
#include "tests/TornSave.h"
#include "tests/WholeFiles.h"
#include "ui/DialogOffer.h"
#include "ui/MainDialog.h"
#include "ui/QuantityControls.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const char* const kOverwriteQuestion = "Die Datei existiert bereits !\nSoll sie \xFC"
                                       "berschrieben werden ?";

// What the program says of a file whose old bytes it put back.
std::string RestoredMessage(const fs::path& file) {
    return "Das Speichern der Datei '" + fs::canonical(file).string() +
           "' wurde unterbrochen !\nIhr vorheriger Inhalt wurde wiederhergestellt.";
}

// A main dialog on the headless desktop, with a folder of its own for data files.
class DataFileCommandTest : public ::testing::Test {
protected:
    DataFileCommandTest() : folder(FreshTestFolder("lumetrix-data-")) {}
    ~DataFileCommandTest() override {
        fs::permissions(folder, fs::perms::owner_all);
        fs::remove_all(folder);
    }

    INT_PTR Run(const std::function<void()>& driver) { return desktop.Run(dialog, driver); }

    void Save(const fs::path& path) {
        desktop.QueueFileAnswer(path.string());
        desktop.Click(IDC_SAVE);
    }
    // A calculation of its own in the file: the Abstrahlwinkel 50.
    void SaveBeamAngleOf50(const fs::path& path) {
        Run([&] {
            desktop.Type(ControlsOf(kBeamAngle).editId, "50");
            Save(path);
        });
    }
    void Load(const fs::path& path) {
        desktop.QueueFileAnswer(path.string());
        desktop.Click(IDC_LOAD);
    }
    // The texts of the message boxes shown so far.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const headless::MessageBoxRecord& box : desktop.MessageBoxes()) {
            texts.push_back(box.text);
        }
        return texts;
    }

    fs::path folder;
    headless::Desktop desktop;
    MainDialog dialog;
};

TEST_F(DataFileCommandTest, SavesTheStartUpStateWithItsComputedValues) {
    const fs::path file = folder / "start.lumx";
    Run([&] { Save(file); });
    const std::string saved = ReadWholeFile(file);
    EXPECT_EQ(saved.size(), 1123u);
    for (const char* line : {
             "Lichtst\xE4"
             "ke           =        3251.810681 cd  \n",
             "Beleuchtungsst\xE4"
             "rke   =         482.411923 lux \n",
             "Raumwinkel           =           0.307521 sr  \n",
             "Beleuchtungsfl\xE4"
             "che   =           2.072917 m\xB2"
             "  \n",
             "Durchmesser          =           1.624598 m   \n",
             "Lichtausbeute        =          50.000000 W/lm\n",
             "Betriebstunden/Jahr  =        1500.000000 h   \n",
             "Lampenanzahl         =          17.857143 #   \n",
             "Betriebskosten/Jahr  =         128.571429 Euro\n",
             "Strompreis           =           0.190000 Euro  *\n",
         }) {
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DataFileCommandTest, LoadingTheStartUpFileChangesNothing) {
    const fs::path first = folder / "first.lumx";
    const fs::path second = folder / "second.lumx";
    Run([&] {
        Save(first);
        const ValueStore before = dialog.Store();
        Load(first);
        for (int q = 0; q < kQuantityCount; ++q) {
            EXPECT_EQ(dialog.Store().given[q], before.given[q]) << q;
            EXPECT_EQ(dialog.Store().computed[q], before.computed[q]) << q;
            EXPECT_EQ(dialog.Store().changeStamp[q], before.changeStamp[q]) << q;
        }
        Save(second);
    });
    EXPECT_EQ(ReadWholeFile(second), ReadWholeFile(first));
    EXPECT_TRUE(Messages().empty());
}

// A calculation saved before the Wartungsfaktor counts with 1 and gives its old values; one saved
// with a factor brings it back.
TEST_F(DataFileCommandTest, TheMaintenanceFactorComesBackAndOldFilesKeepTheirResults) {
    const fs::path current = folder / "current.lumx";
    const fs::path old = folder / "old.lumx";
    const fs::path factor = folder / "factor.lumx";
    ValueStore startUp{};
    ValueStore withFactor{};
    Run([&] {
        startUp = dialog.Store();
        Save(current);
        const std::string text = ReadWholeFile(current);
        WriteWholeFile(old, text.substr(0, text.rfind("Wartungsfaktor")));
        desktop.Type(ControlsOf(kMaintenanceFactor).editId, "0.8");
        desktop.Tab();
        withFactor = dialog.Store();
        Save(factor);
        Load(old);
        for (int q = 0; q < kQuantityCount; ++q) {
            EXPECT_EQ(dialog.Store().value[q], startUp.value[q]) << q;
            EXPECT_EQ(dialog.Store().given[q], startUp.given[q]) << q;
        }
        Load(factor);
    });
    EXPECT_DOUBLE_EQ(withFactor.value[kLampsNeeded], startUp.value[kLampsNeeded] / 0.8);
    for (int q = 0; q < kQuantityCount; ++q) {
        EXPECT_EQ(dialog.Store().value[q], withFactor.value[q]) << q;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DataFileCommandTest, LoadingRestoresTheRolesAndValuesOfAnotherCalculation) {
    const fs::path file = folder / "other.lumx";
    Run([&] {
        desktop.Click(
            ControlsOf(kIlluminance).checkboxId); // Beleuchtungstärke given, Lichtstrom computed
        desktop.Type(ControlsOf(kIlluminance).editId, "300");
        desktop.Tab();
        Save(file);
    });
    MainDialog fresh;
    desktop.Run(fresh, [&] {
        desktop.QueueFileAnswer(file.string());
        desktop.Click(IDC_LOAD);
        EXPECT_NE(fresh.Store().given[kIlluminance], 0u);
        EXPECT_EQ(fresh.Store().given[kLuminousFlux], 0u);
        EXPECT_NE(fresh.Store().computed[kLuminousFlux], 0u);
        EXPECT_EQ(desktop.Text(ControlsOf(kIlluminance).editId), "300");
        EXPECT_EQ(desktop.Text(ControlsOf(kLuminousFlux).editId), "621.9");
    });
}

TEST_F(DataFileCommandTest, OffersTheLastChosenPath) {
    const fs::path file = folder / "offer.lumx";
    Run([&] {
        desktop.QueueFileCancel();
        desktop.Click(IDC_LOAD);
        Save(file);
        desktop.QueueFileCancel();
        desktop.Click(IDC_SAVE);
        desktop.QueueFileAnswer((folder / "missing.lumx").string());
        desktop.Click(IDC_LOAD);
        Save(file); // exists: the question is answered No
        desktop.QueueFileCancel();
        desktop.Click(IDC_LOAD);
    });
    const std::vector<headless::FileDialogRecord>& dialogs = desktop.FileDialogs();
    ASSERT_EQ(dialogs.size(), 6u);
    EXPECT_EQ(dialogs[0].fileName, "*.lumx");
    EXPECT_EQ(dialogs[1].fileName, "*.lumx");
    EXPECT_EQ(dialogs[2].fileName, file.string());
    EXPECT_EQ(dialogs[3].fileName, file.string());
    EXPECT_EQ(dialogs[4].fileName, (folder / "missing.lumx").string());
    EXPECT_EQ(dialogs[5].fileName, file.string());
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Die Datei wurde nicht gefunden !", kOverwriteQuestion}));
}

TEST_F(DataFileCommandTest, SetsUpTheFileDialogsAsTheProgramWants) {
    HWND owner = nullptr;
    Run([&] {
        owner = dialog.GetSafeHwnd();
        desktop.QueueFileCancel();
        desktop.Click(IDC_LOAD);
        desktop.QueueFileCancel();
        desktop.Click(IDC_SAVE);
    });
    const std::vector<headless::FileDialogRecord>& dialogs = desktop.FileDialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    const std::vector<std::string> filter = {"Datendatei ( *.lumx )", "*.lumx", "Alle Dateien",
                                             "*.*"};
    EXPECT_FALSE(dialogs[0].save);
    EXPECT_EQ(dialogs[0].title, "Daten laden");
    EXPECT_EQ(dialogs[0].flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_EXPLORER |
                                                   OFN_ENABLESIZING | OFN_ENABLEHOOK));
    EXPECT_TRUE(dialogs[1].save);
    EXPECT_EQ(dialogs[1].title, "Daten speichern");
    EXPECT_EQ(dialogs[1].flags,
              static_cast<DWORD>(OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER |
                                 OFN_ENABLESIZING | OFN_ENABLEHOOK));
    for (const headless::FileDialogRecord& record : dialogs) {
        EXPECT_EQ(record.filter, filter);
        EXPECT_EQ(record.defExt, "*.lumx");
        EXPECT_EQ(record.owner, owner);
    }
}

TEST_F(DataFileCommandTest, OverwritesOnlyWhenTheUserSaysYes) {
    const fs::path file = folder / "existing.lumx";
    WriteWholeFile(file, "old");
    Run([&] {
        Save(file);
        EXPECT_EQ(ReadWholeFile(file), "old");
        desktop.QueueMessageBoxAnswer(IDYES);
        Save(file);
    });
    EXPECT_EQ(ReadWholeFile(file).size(), 1123u);
    ASSERT_EQ(desktop.MessageBoxes().size(), 2u);
    EXPECT_EQ(desktop.MessageBoxes()[0].caption, "Fehler");
    EXPECT_EQ(desktop.MessageBoxes()[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
}

TEST_F(DataFileCommandTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
    const fs::path file = folder / "kept.lumx";
    WriteWholeFile(file, "the user's calculation");
    // Writes beyond 100 bytes fail, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    rlimit small = original;
    small.rlim_cur = 100;
    Run([&] {
        desktop.QueueMessageBoxAnswer(IDYES);
        setrlimit(RLIMIT_FSIZE, &small);
        Save(file);
        setrlimit(RLIMIT_FSIZE, &original);
    });
    EXPECT_EQ(ReadWholeFile(file), "the user's calculation");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    ASSERT_EQ(desktop.MessageBoxes().size(), 2u);
    EXPECT_EQ(desktop.MessageBoxes()[1].text, "Die Datei konnte nicht gespeichert werden !");
    EXPECT_EQ(desktop.MessageBoxes()[1].caption, "Fehler");
    EXPECT_EQ(desktop.MessageBoxes()[1].style, static_cast<UINT>(MB_ICONHAND));
}

// A path of any length the file functions take is saved as it is; one that not even the
// dialog's buffer holds is reported, writes nothing and is not remembered.
TEST_F(DataFileCommandTest, LongPathsSaveThatFileOrSaySo) {
    // A folder of 241 characters, wherever the test's own folder lies.
    const fs::path deep = folder / std::string(240 - folder.string().size(), 'd');
    fs::create_directories(deep);
    const fs::path longPath = deep / (std::string(100, 'n') + ".lumx");
    const fs::path tooLong = deep / std::string(40000, 'x');
    Run([&] {
        Save(longPath);
        Save(tooLong);
        desktop.QueueFileCancel();
        desktop.Click(IDC_LOAD);
    });
    EXPECT_EQ(ReadWholeFile(longPath).size(), 1123u);
    EXPECT_EQ(std::distance(fs::directory_iterator(deep), fs::directory_iterator()), 1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Der Dateipfad ist zu lang !"});
    EXPECT_EQ(desktop.MessageBoxes()[0].style, static_cast<UINT>(MB_ICONHAND));
    // The dialog takes fewer than 260 characters: the long path is offered as name and folder.
    EXPECT_EQ(desktop.FileDialogs().back().fileName, longPath.filename().string());
    EXPECT_EQ(desktop.FileDialogs().back().initialDir, deep.string() + "/");
}

// A start file whose folder the dialog cannot show is refused when it is saved again, and the
// dialog offers no name: the name alone would save into whatever folder the dialog shows.
TEST_F(DataFileCommandTest, AStartFileTooLongForTheDialogIsNotSavedElsewhere) {
    fs::path deep = folder;
    for (int level = 0; level < 4; ++level) {
        deep /= std::string(240, static_cast<char>('a' + level));
    }
    fs::create_directories(deep);
    const fs::path startFile = deep / "plan.lumx"; // about 1 000 characters
    Run([&] { Save(startFile); });
    const fs::path startFolder = fs::current_path();
    fs::current_path(folder);
    MainDialog started;
    started.LoadDataFileAtStart(startFile.string());
    desktop.Run(started, [&] {
        desktop.QueueFileCancel();
        desktop.Click(IDC_SAVE);
    });
    fs::current_path(startFolder);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Der Dateipfad ist zu lang !"});
    EXPECT_EQ(desktop.FileDialogs().back().fileName, "");
    EXPECT_EQ(desktop.FileDialogs().back().initialDir, "");
    EXPECT_FALSE(fs::exists(folder / "plan.lumx"));
}

TEST(DialogOfferTest, ANameTooLongForTheDialogIsOfferedInItsFolder) {
    const std::string folder250 = "C:\\" + std::string(246, 'f') + "\\";
    const std::string folder260 = "C:\\" + std::string(256, 'f') + "\\";
    const struct {
        std::string path;
        DialogOffer offer;
    } cases[] = {
        {"*.lumx", {"*.lumx", "", true}},
        {"C:\\Daten\\Raum1.lumx", {"C:\\Daten\\Raum1.lumx", "", true}},
        {folder250 + "ab.lumx", {folder250 + "ab.lumx", "", true}}, // 257 characters
        {folder250 + "abcdefghij.lumx", {"abcdefghij.lumx", folder250, true}},
        {folder250 + "abcdefgh/b.lumx", {"b.lumx", folder250 + "abcdefgh/", true}},
        {folder260 + "x.lumx", {"", "", false}}, // the folder does not fit: nothing is offered
        {std::string(300, 'x'), {"", "", false}},
    };
    for (const auto& c : cases) {
        const DialogOffer offer = OfferToFileDialog(c.path);
        EXPECT_EQ(offer.name, c.offer.name) << c.path.size();
        EXPECT_EQ(offer.folder, c.offer.folder) << c.path.size();
        EXPECT_EQ(offer.whole, c.offer.whole) << c.path.size();
    }
}

TEST_F(DataFileCommandTest, DoesNotSaveOverFoldersOrProtectedFiles) {
    const fs::path protectedFile = folder / "protected.lumx";
    WriteWholeFile(protectedFile, "protected");
    fs::permissions(protectedFile, fs::perms::owner_read | fs::perms::group_read);
    fs::create_directories(folder / "sub");
    Run([&] {
        Save(folder / "sub");
        desktop.QueueMessageBoxAnswer(IDYES);
        Save(protectedFile);
        Save(folder / "no-such-folder" / "x.lumx");
    });
    EXPECT_EQ(ReadWholeFile(protectedFile), "protected");
    EXPECT_TRUE(fs::is_directory(folder / "sub"));
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Die Datei konnte nicht gespeichert werden !", kOverwriteQuestion,
                              "Die Datei konnte nicht gespeichert werden !",
                              "Die Datei konnte nicht gespeichert werden !"}));
}

TEST_F(DataFileCommandTest, ReportsUnreadableAndUnrecognisedFiles) {
    const fs::path empty = folder / "empty.lumx";
    WriteWholeFile(empty, "");
    const fs::path pipe = folder / "pipe.lumx";
#ifndef __EMSCRIPTEN__ // the browser's files have no named pipes: there it stays missing
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
#endif
    Run([&] {
        for (const fs::path& path : {folder, folder / "missing.lumx", pipe, fs::path("/dev/zero"),
                                     fs::path("/dev/urandom")}) {
            Load(path);
        }
        Load(empty);
    });
    const std::string notFound = "Die Datei wurde nicht gefunden !";
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{notFound, notFound, notFound, notFound, notFound,
                                        "Die Datei hat das falsche Format !"}));
    for (const headless::MessageBoxRecord& box : desktop.MessageBoxes()) {
        EXPECT_EQ(box.style, static_cast<UINT>(MB_ICONHAND));
    }
}

TEST_F(DataFileCommandTest, AFileOfOneQuantityChangesOnlyWhatFollowsFromIt) {
    const fs::path file = folder / "price.lumx";
    WriteWholeFile(file, "junk\nxx Strompreis=0.25* yy\n");
    Run([&] {
        Load(file);
        EXPECT_EQ(desktop.Text(ControlsOf(kElectricityPrice).editId), "0.25");
        EXPECT_EQ(desktop.Text(ControlsOf(kOperatingCost).editId), "160.71");
        EXPECT_EQ(desktop.Text(ControlsOf(kLuminousFlux).editId), "1 000.0");
    });
    EXPECT_TRUE(Messages().empty());
}

// What a dialog shows and holds after its run, to compare two ways of loading.
struct Outcome {
    std::vector<std::string> fields;
    ValueStore store;
};

TEST_F(DataFileCommandTest, LoadsTheFileNamedAtStartAsLadenWould) {
    // Lichtstärke, whose edit has the focus after start-up, is among the given quantities.
    WriteWholeFile(folder / "plan.lumx", "Lichtst\xE4ke = 5000 *\nAbstrahlwinkel = 20 *\n");
    const auto outcomeOf = [&](MainDialog& shown, const std::function<void()>& driver) {
        Outcome outcome;
        desktop.Run(shown, [&] {
            driver();
            for (int q = 0; q < kQuantityCount; ++q) {
                outcome.fields.push_back(desktop.Text(ControlsOf(q).editId));
            }
            outcome.store = shown.Store();
        });
        return outcome;
    };
    const fs::path startFolder = fs::current_path();
    fs::current_path(folder);
    MainDialog started;
    started.LoadDataFileAtStart("plan.lumx");
    int focusAfterStart = 0;
    const Outcome atStart = outcomeOf(started, [&] {
        focusAfterStart = desktop.FocusId();
        desktop.QueueFileCancel();
        desktop.Click(IDC_SAVE);
    });
    fs::current_path(startFolder);
    const Outcome byLaden = outcomeOf(dialog, [&] { Load(folder / "plan.lumx"); });

    EXPECT_EQ(atStart.fields, byLaden.fields);
    EXPECT_EQ(atStart.fields[0], "5 000");
    for (int q = 0; q < kQuantityCount; ++q) {
        EXPECT_EQ(atStart.store.value[q], byLaden.store.value[q]) << q;
        EXPECT_EQ(atStart.store.given[q], byLaden.store.given[q]) << q;
        EXPECT_EQ(atStart.store.computed[q], byLaden.store.computed[q]) << q;
    }
    EXPECT_EQ(focusAfterStart, IDC_EDIT_INTENSITY);
    ASSERT_EQ(desktop.FileDialogs().size(), 2u);
    EXPECT_EQ(desktop.FileDialogs()[0].fileName, (folder / "plan.lumx").string());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DataFileCommandTest, AStartFileThatCannotBeLoadedIsReportedOnTheStartedDialog) {
    WriteWholeFile(folder / "text.lumx", "kein Datensatz\n");
    MainDialog untouched;
    desktop.Run(untouched, [] {});
    for (const char* name : {"missing.lumx", "text.lumx"}) {
        MainDialog started;
        started.LoadDataFileAtStart((folder / name).string());
        HWND shown = nullptr;
        desktop.Run(started, [&] {
            shown = started.GetSafeHwnd();
            for (int q = 0; q < kQuantityCount; ++q) {
                EXPECT_EQ(started.Store().value[q], untouched.Store().value[q]) << name << q;
                EXPECT_EQ(started.Store().given[q], untouched.Store().given[q]) << name << q;
            }
        });
        EXPECT_EQ(desktop.MessageBoxes().back().owner, shown);
    }
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Die Datei wurde nicht gefunden !",
                                                    "Die Datei hat das falsche Format !"}));
}

// A file of megabytes is no calculation: it is refused before it is read, and nothing changes.
TEST_F(DataFileCommandTest, AFileTooLargeForACalculationIsNotRead) {
    const fs::path file = folder / "large.lumx";
    Run([&] { Save(file); });
    const ValueStore saved = dialog.Store();
    const struct {
        std::uintmax_t size;
        bool loads;
    } cases[] = {{4u << 20, true}, {(4u << 20) + 1, false}, {300u << 20, false}};
    for (const auto& c : cases) {
        fs::resize_file(file, c.size); // the calculation, then zeros
        MainDialog loading;
        desktop.Run(loading, [&] {
            desktop.Type(ControlsOf(kBeamAngle).editId, "50");
            desktop.QueueFileAnswer(file.string());
            desktop.Click(IDC_LOAD);
        });
        EXPECT_EQ(loading.Store().value[kBeamAngle], c.loads ? saved.value[kBeamAngle] : 50.0)
            << c.size;
    }
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Die Datei ist zu gro\xDF !\nErlaubt sind "
                                                    "h\xF6"
                                                    "chstens 4 MB.",
                                                    "Die Datei ist zu gro\xDF !\nErlaubt sind "
                                                    "h\xF6"
                                                    "chstens 4 MB."}));
}

// A start file that a save in place left torn gets its old bytes back first, and loads whole.
TEST_F(DataFileCommandTest, ATornStartFileIsRestoredBeforeItLoads) {
    const JournalFolderOfTheTest temporary(folder / "tmp");
    const fs::path file = folder / "plan.lumx";
    SaveBeamAngleOf50(file);
    LeaveTornSave(file, std::string(1073, ' '), 600);
    MainDialog started;
    started.LoadDataFileAtStart(file.string());
    desktop.Run(started, [] {});
    EXPECT_EQ(Messages(), std::vector<std::string>{RestoredMessage(file)});
    EXPECT_EQ(desktop.MessageBoxes()[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(started.Store().value[kBeamAngle], 50.0);
}

// A program that runs already, loading a file that another's save in place left torn since,
// gets the old bytes, and says so.
TEST_F(DataFileCommandTest, AFileTornSinceTheStartIsRestoredBeforeItLoads) {
    const JournalFolderOfTheTest journals(folder / "run");
    const fs::path file = folder / "shared.lumx";
    SaveBeamAngleOf50(file);
    MainDialog running;
    desktop.Run(running, [&] {
        LeaveTornSave(file, std::string(1073, ' '), 600);
        Load(file);
    });
    EXPECT_EQ(Messages(), std::vector<std::string>{RestoredMessage(file)});
    EXPECT_EQ(running.Store().value[kBeamAngle], 50.0);
    EXPECT_EQ(JournalsLeft(), 0u);
}

// A room that the room's rule refuses, or a lamp file name that names no file, is left out with
// a message naming it; the rest of the file loads.
TEST_F(DataFileCommandTest, LeavesOutARoomThatCannotExistAndSaysWhy) {
    ValueStore store;
    LoadDefaults(store);
    store.value[kBeamAngle] = 50;
    store.given[kBeamAngle] = 1;
    const Room tooBright{10, 6, 3, 0.75, 0, 95, 95, 95, 0.8};
    const Room office{10, 6, 3, 0.75, 0, 70, 50, 20, 0.8};
    std::string badName = FormatDataFile(store, office, "placeholder.ldt");
    badName.replace(badName.find("placeholder.ldt"), 15, "../a.ldt");
    WriteWholeFile(folder / "bright.lumx", FormatDataFile(store, tooBright, "a.ldt"));
    WriteWholeFile(folder / "path.lumx", badName);
    Run([&] {
        Load(folder / "bright.lumx");
        EXPECT_FALSE(dialog.CurrentCalculation().RoomUsed());
        Load(folder / "path.lumx");
        EXPECT_TRUE(dialog.CurrentCalculation().RoomUsed());
    });
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Der Raum der Datei wurde nicht \xFC"
                              "bernommen:\nDer Reflexionsgrad der Decke muss zwischen 0 und 90 % "
                              "liegen !",
                              "Der Name der Leuchtendatei in der Datei ist ung\xFCltig !"}));
    EXPECT_EQ(dialog.Store().value[kBeamAngle], 50.0);
}

TEST_F(DataFileCommandTest, SurvivesHostileFiles) {
    const fs::path file = folder / "hostile.lumx";
    std::string hostile = "Lichtstrom = 1e400\nRaumgr\xF6\xDF"
                          "e = -nan *\n"
                          "Lebensdauer = 99999999999999999999 *\n";
    hostile += std::string(300000, '\0') + std::string(70000, 'x');
    WriteWholeFile(file, hostile);
    Run([&] {
        Load(file);
        desktop.Tick();
        desktop.Tab();
    });
    EXPECT_TRUE(Messages().empty());
}

} // namespace
