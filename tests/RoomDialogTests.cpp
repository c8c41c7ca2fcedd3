// The room dialog: what it shows as the room is typed, "Ãœbernehmen" refusing a wrong room
// field by field and applying a right one, both dialogs counting the same lamps, and a lamp's
// own light distribution carried by the calculation.
#include "framework/headless/Desktop.h"
#include "io/LuminaireFolder.h"
#include "resources/resource.h"
#include "tests/TestFolder.h"
#include "tests/WholeFiles.h"
#include "ui/ChoiceDialogTemplate.h"
#include "ui/MainDialog.h"
#include "ui/RoomFields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>

namespace fs = std::filesystem;

namespace {

// The main dialog from start-up on, whose "Raum..." the test presses with `user` answering the
// room dialog.
class RoomDialogTest : public ::testing::Test {
protected:
    void Run(const std::function<void()>& driver) { desktop.Run(dialog, driver); }
    void OpenRoomDialog(const std::function<void()>& user) {
        desktop.QueueDialogAnswer(user);
        desktop.Click(IDC_ROOM);
    }
    void TypeRoom(const char* const (&texts)[kRoomInputCount]) {
        for (int input = 0; input < kRoomInputCount; ++input) {
            desktop.Type(kRoomInputIds[input], texts[input]);
        }
    }

    headless::Desktop desktop;
    MainDialog dialog;
};

constexpr const char* kOffice[kRoomInputCount] = {"10", "6",  "3",  "0,75", "0",
                                                  "70", "50", "20", "0.8"};

TEST_F(RoomDialogTest, OpensWithTheUsualValuesAndShowsWhileTypingWhatTheRoomGives) {
    Run([&] {
        OpenRoomDialog([&] {
            EXPECT_EQ(desktop.Caption(), "Raumwirkungsgrad berechnen");
            const char* const opened[kRoomInputCount] = {"",   "",   "",   "0.75", "0.00",
                                                         "70", "50", "20", "0.80"};
            for (int input = 0; input < kRoomInputCount; ++input) {
                EXPECT_EQ(desktop.Text(kRoomInputIds[input]), opened[input]) << input;
            }
            EXPECT_EQ(desktop.ComboItems(IDC_ROOM_REFLECTANCE_SETS),
                      (std::vector<std::string>{"80 / 50 / 30", "70 / 50 / 20", "50 / 30 / 10"}));
            EXPECT_EQ(desktop.ComboSelection(IDC_ROOM_REFLECTANCE_SETS), 1);
            EXPECT_EQ(desktop.Text(IDC_ROOM_SOURCE), "gesch\xE4tzt aus dem Abstrahlwinkel");
            EXPECT_EQ(desktop.Text(IDC_ROOM_EFFICIENCY), "");
            EXPECT_EQ(desktop.Text(IDC_ROOM_LIGHT_POINT_HEIGHT), "");

            TypeRoom(kOffice);
            const std::pair<int, const char*> shown[] = {
                {IDC_ROOM_LIGHT_POINT_HEIGHT, "2.25 m"},
                {IDC_ROOM_INDEX, "1.67"},
                {IDC_ROOM_DIRECT_RATIO, "0.873"},
                {IDC_ROOM_DOWNWARD_SHARE, "100.0 %"},
                {IDC_ROOM_EFFICIENCY, "99.5 %"},
                {IDC_ROOM_NOTE, ""},
                {IDC_ROOM_LAMPS, "47"},
                {IDC_ROOM_ROWS, "5"},
                {IDC_ROOM_COLUMNS, "10"},
                {IDC_ROOM_PLACED, "50"},
                {IDC_ROOM_MAINTAINED, "533 lux"},
            };
            for (const auto& [id, text] : shown) {
                EXPECT_EQ(desktop.Text(id), text) << id;
            }

            // The planner's own layout: the lamps it places and what they keep up.
            const std::pair<const char*, const char*> layouts[] = {
                {"4", "40"}, {"0", ""}, {"x", ""}, {"2.5", ""}, {"5", "50"}};
            for (const auto& [rows, placed] : layouts) {
                desktop.Type(IDC_ROOM_ROWS, rows);
                EXPECT_EQ(desktop.Text(IDC_ROOM_PLACED), placed) << rows;
            }
            desktop.Type(IDC_ROOM_ROWS, "4");
            EXPECT_EQ(desktop.Text(IDC_ROOM_MAINTAINED), "427 lux");

            desktop.Type(IDC_ROOM_HEIGHT, "\b");
            EXPECT_EQ(desktop.Text(IDC_ROOM_LIGHT_POINT_HEIGHT), "");
            EXPECT_EQ(desktop.Text(IDC_ROOM_PLACED), "");
            desktop.Type(IDC_ROOM_HEIGHT, "12");
            EXPECT_EQ(desktop.Text(IDC_ROOM_ROWS), "7"); // proposed anew for the room
            EXPECT_EQ(desktop.Text(IDC_ROOM_NOTE),
                      "Der Raumindex liegt au\xDF"
                      "erhalb von 0,6 bis 5, wo die gedruckten Tabellen enden.");
            desktop.SelectComboItem(IDC_ROOM_REFLECTANCE_SETS, 0);
            EXPECT_EQ(desktop.Text(IDC_ROOM_CEILING), "80");
            EXPECT_EQ(desktop.Text(IDC_ROOM_FLOOR), "30");
            desktop.Type(IDC_ROOM_WALLS, "55");
            EXPECT_EQ(desktop.ComboSelection(IDC_ROOM_REFLECTANCE_SETS), -1);
            desktop.Click(IDCANCEL);
        });
        EXPECT_EQ(dialog.Store().value[kRoomEfficiency], 70);
        EXPECT_FALSE(dialog.CurrentCalculation().RoomUsed());
    });
}

TEST_F(RoomDialogTest, UebernehmenRefusesAWrongRoomAndAppliesARightOne) {
    Run([&] {
        OpenRoomDialog([&] {
            TypeRoom(kOffice);
            desktop.Type(IDC_ROOM_CEILING, "96");
            desktop.Click(IDOK);
            ASSERT_EQ(desktop.MessageBoxes().size(), 1u);
            EXPECT_EQ(desktop.MessageBoxes()[0].text,
                      "Der Reflexionsgrad der Decke muss zwischen 0 und 90 % liegen !");
            EXPECT_TRUE(desktop.HasControl(IDC_ROOM_LENGTH));
            EXPECT_EQ(desktop.FocusId(), IDC_ROOM_CEILING);
            desktop.Type(IDC_ROOM_CEILING, "70");
            desktop.Click(IDOK);
        });
        EXPECT_EQ(desktop.MessageBoxes().size(), 1u);
        EXPECT_NE(dialog.Store().given[kRoomEfficiency], 0u);
        EXPECT_EQ(dialog.Store().value[kRoomEfficiency], 100);
        EXPECT_EQ(dialog.Store().value[kRoomArea], 60);

        // The system menu's item opens the dialog again, with the room.
        bool opened = false;
        desktop.QueueDialogAnswer([&] {
            opened = true;
            EXPECT_EQ(desktop.Text(IDC_ROOM_LENGTH), "10.00");
            EXPECT_EQ(desktop.Text(IDC_ROOM_WORK_PLANE), "0.75");
            EXPECT_EQ(desktop.Text(IDC_ROOM_EFFICIENCY), "99.5 %");
        });
        desktop.SystemCommand(IDM_ROOM);
        EXPECT_TRUE(opened);
    });
}

// Each field refuses what the room's rule refuses, and a text that is not wholly a number the
// field reads, with a message that names it; the focus goes to the field to mend, and nothing
// reaches the main dialog.
TEST_F(RoomDialogTest, UebernehmenRefusesEachFieldByName) {
    const std::string length = "Die Rauml\xE4nge muss zwischen 0,1 und 1000 m liegen !";
    const std::string width = "Die Raumbreite muss zwischen 0,1 und 1000 m liegen !";
    const std::string maintenance = "Der Wartungsfaktor muss zwischen 0,1 und 1 liegen !";
    const struct {
        int input;
        std::string text;
        std::string message;
        int mend;
    } cases[] = {
        {kInputLength, "1e308", length, IDC_ROOM_LENGTH},
        {kInputLength, std::string(309, '9'), length, IDC_ROOM_LENGTH},
        {kInputLength, "9999999999999999", length, IDC_ROOM_LENGTH},
        {kInputLength, "0,000000001", length, IDC_ROOM_LENGTH},
        {kInputLength, "1000.01", length, IDC_ROOM_LENGTH},
        {kInputWidth, " ", width, IDC_ROOM_WIDTH},
        {kInputWidth, "6 m", width, IDC_ROOM_WIDTH},
        {kInputHeight, "100.5",
         "Die Raumh\xF6he darf h\xF6"
         "chstens 100 m betragen !",
         IDC_ROOM_HEIGHT},
        {kInputWorkPlane, "-0.1", "Die H\xF6he der Nutzebene darf nicht negativ sein !",
         IDC_ROOM_WORK_PLANE},
        {kInputSuspension, "2.25",
         "Die H\xF6he des Lichtpunkts \xFC"
         "ber der Nutzebene muss gr\xF6\xDF"
         "er als 0 sein !",
         IDC_ROOM_HEIGHT},
        {kInputCeiling, "95", "Der Reflexionsgrad der Decke muss zwischen 0 und 90 % liegen !",
         IDC_ROOM_CEILING},
        {kInputWalls, "9O", "Der Reflexionsgrad der W\xE4nde muss zwischen 0 und 90 % liegen !",
         IDC_ROOM_WALLS},
        {kInputFloor, "90.5", "Der Reflexionsgrad des Bodens muss zwischen 0 und 90 % liegen !",
         IDC_ROOM_FLOOR},
        {kInputMaintenance, "0", maintenance, IDC_ROOM_MAINTENANCE},
        {kInputMaintenance, "1.01", maintenance, IDC_ROOM_MAINTENANCE},
    };
    Run([&] {
        for (const auto& c : cases) {
            OpenRoomDialog([&] {
                TypeRoom(kOffice);
                desktop.Type(kRoomInputIds[c.input], c.text);
                EXPECT_EQ(desktop.Text(IDC_ROOM_EFFICIENCY), "") << c.text;
                desktop.Click(IDOK);
                ASSERT_FALSE(desktop.MessageBoxes().empty());
                EXPECT_EQ(desktop.MessageBoxes().back().text, c.message) << c.text;
                EXPECT_EQ(desktop.FocusId(), c.mend) << c.text;
                desktop.Click(IDCANCEL);
            });
        }
        EXPECT_EQ(desktop.MessageBoxes().size(), std::size(cases));
        EXPECT_FALSE(dialog.CurrentCalculation().RoomUsed());
        EXPECT_EQ(dialog.Store().value[kRoomEfficiency], 70);
    });
}

// The planner's office with two makers' lamp files in the folder "Leuchten" of the working
// folder: "Rund 1995" (entry 0) and "Symmetrie 4" (entry 1).
class OfficeTest : public RoomDialogTest {
protected:
    void SetUp() override {
        m_folder = FreshTestFolder("lumetrix-office-");
        m_previousFolder = fs::current_path();
        fs::current_path(m_folder);
        fs::create_directory(kLuminaireFolderName);
        for (const char* name : {"rotational-1995.ies", "symmetry-4.ldt"}) {
            WriteWholeFile(fs::path(kLuminaireFolderName) / name,
                           ReadWholeFile(fs::path(LUMETRIX_PHOTOMETRY) / name));
        }
    }
    void TearDown() override {
        fs::current_path(m_previousFolder);
        fs::remove_all(m_folder);
    }

    void PickLamp(int entry) {
        desktop.QueueDialogAnswer([&] {
            desktop.SelectComboItem(IDC_CHOICE_LIST, entry);
            desktop.PressEnter();
        });
        desktop.Click(IDC_DATABASE);
    }
    // The whole lamps the room dialog shows for the office, after "Übernehmen" or "Abbrechen".
    std::string OfficeLamps(bool takeOver) {
        std::string lamps;
        OpenRoomDialog([&] {
            TypeRoom(kExampleOffice);
            lamps = desktop.Text(IDC_ROOM_LAMPS);
            desktop.Click(takeOver ? IDOK : IDCANCEL);
        });
        return lamps;
    }
    // The main dialog's lamps, rounded up as the room dialog counts whole lamps.
    std::string MainLamps() const {
        return std::to_string(static_cast<long>(std::ceil(dialog.Store().value[kLampsNeeded])));
    }

    static constexpr const char* kExampleOffice[kRoomInputCount] = {"12", "7",  "3",  "0.75", "0",
                                                                    "70", "50", "20", "0.80"};

private:
    fs::path m_folder;
    fs::path m_previousFolder;
};

// "Übernehmen" makes the main calculation the room's: the lamps it counts are the room dialog's.
TEST_F(OfficeTest, AfterUebernehmenBothDialogsCountTheSameLamps) {
    Run([&] {
        PickLamp(1);
        const std::string lamps = OfficeLamps(true);
        EXPECT_EQ(MainLamps(), lamps);
        for (int q : {kMountingHeight, kRoomArea, kRoomEfficiency, kMaintenanceFactor}) {
            EXPECT_NE(dialog.Store().given[q], 0u) << q;
        }
        EXPECT_EQ(desktop.Text(IDC_EDIT_HEIGHT), "2.25");
        EXPECT_EQ(desktop.Text(IDC_EDIT_ROOM_AREA), "84.00");
        EXPECT_EQ(desktop.Text(IDC_EDIT_MAINTENANCE_FACTOR), "0.80");

        // The Wartungsfaktor typed afterwards is the room's too.
        desktop.Type(IDC_EDIT_MAINTENANCE_FACTOR, "0,7");
        OpenRoomDialog([&] {
            EXPECT_EQ(desktop.Text(IDC_ROOM_MAINTENANCE), "0.70");
            EXPECT_EQ(desktop.Text(IDC_ROOM_LAMPS), MainLamps());
            desktop.Click(IDCANCEL);
        });
    });
}

// The Raumwirkungsgrad taken over follows the lamp until the planner types his own.
TEST_F(OfficeTest, AnotherLampGetsItsOwnRaumwirkungsgradUntilOneIsTyped) {
    Run([&] {
        PickLamp(1);
        OfficeLamps(true);
        const std::string first = desktop.Text(IDC_EDIT_ROOM_EFFICIENCY);
        PickLamp(0);
        const std::string second = desktop.Text(IDC_EDIT_ROOM_EFFICIENCY);
        EXPECT_NE(second, first);
        EXPECT_EQ(desktop.Text(IDC_HELP_TEXT),
                  "Raumwirkungsgrad f\xFCr die neue Leuchte neu berechnet: " + second + " %");
        EXPECT_EQ(MainLamps(), OfficeLamps(false));

        desktop.Type(IDC_EDIT_ROOM_EFFICIENCY, "75");
        PickLamp(1);
        EXPECT_EQ(desktop.Text(IDC_EDIT_ROOM_EFFICIENCY), "75");
    });
}

// A saved calculation carries its lamp file's light: it opens the same where the lamp file is
// gone; without it, the room dialog says whose light it lacks, and the file keeps naming it.
TEST_F(OfficeTest, TheCalculationCarriesItsLightDistribution) {
    const fs::path lampFile = fs::path(kLuminaireFolderName) / "symmetry-4.ldt";
    const std::string lacking = "Die Lichtverteilung von symmetry-4.ldt wurde nicht gefunden: "
                                "gesch\xE4tzt aus dem Abstrahlwinkel";
    std::string efficiency;
    const auto roomShows = [&](const std::string& source) {
        OpenRoomDialog([&] {
            EXPECT_EQ(desktop.Text(IDC_ROOM_SOURCE), source);
            efficiency = desktop.Text(IDC_ROOM_EFFICIENCY);
            desktop.Click(IDCANCEL);
        });
    };
    const auto loadAndSave = [&](const char* load, const char* save) {
        desktop.QueueFileAnswer(load);
        desktop.Click(IDC_LOAD);
        desktop.QueueFileAnswer(save);
        desktop.Click(IDC_SAVE);
    };
    Run([&] {
        PickLamp(1);
        OfficeLamps(true);
        roomShows("aus der Lichtverteilung von symmetry-4.ldt");
        const std::string measured = efficiency;
        desktop.QueueFileAnswer("buero.lumx");
        desktop.Click(IDC_SAVE);
        fs::remove(lampFile);

        loadAndSave("buero.lumx", "kopie.lumx");
        EXPECT_TRUE(dialog.CurrentCalculation().FollowsRoom());
        roomShows("aus der Lichtverteilung von symmetry-4.ldt");
        EXPECT_EQ(efficiency, measured);
        EXPECT_EQ(ReadWholeFile("kopie.lumx"), ReadWholeFile("buero.lumx"));

        const std::string saved = ReadWholeFile("buero.lumx");
        WriteWholeFile("ohne.lumx", saved.substr(0, saved.find("Verteilung")));
        loadAndSave("ohne.lumx", "wieder.lumx");
        EXPECT_FALSE(dialog.CurrentCalculation().FollowsRoom()); // the estimate gives another
        roomShows(lacking);
        EXPECT_EQ(ReadWholeFile("wieder.lumx"), ReadWholeFile("ohne.lumx"));
    });
    EXPECT_TRUE(desktop.MessageBoxes().empty());
}

TEST(RoomFields, TextsGiveBackTheRoomTheyShow) {
    const Room rooms[] = {{10, 6, 3}, {12.345678912, 0.5, 2.8, 0, 0.25, 0, 95, 12.5, 1}};
    for (const Room& room : rooms) {
        const Room read = ReadRoomInputs(RoomInputTexts(room));
        EXPECT_EQ(read.length, room.length);
        EXPECT_EQ(read.width, room.width);
        EXPECT_EQ(read.suspension, room.suspension);
        EXPECT_EQ(read.wallReflectance, room.wallReflectance);
        EXPECT_EQ(read.floorReflectance, room.floorReflectance);
        EXPECT_EQ(read.maintenanceFactor, room.maintenanceFactor);
    }
}

} // namespace
