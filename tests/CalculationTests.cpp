// The calculation behind the main dialog: a room given as a lamp record fixes its fields at the
// texts shown, a lamp file's light lasts while it is the current lamp, and a data file brings
// its room and finds its lamp file again.
#include "EngineTestSupport.h"

#include "ui/Calculation.h"
#include "ui/NumericText.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Fields and a title as the main dialog has them: texts read and written at each quantity's
// decimals, and a text from outside kept as it came.
class FieldsView final : public CalculationView {
public:
    void ReadFields() override {
        for (int q = 0; q < kQuantityCount; ++q) {
            calculation->FieldValues().value[q] = ParseFieldValue(text[q].c_str(), Decimals(q));
        }
    }
    void WriteFields() override {
        for (int q = 0; q < kQuantityCount; ++q) {
            char shown[kFieldTextSize];
            FormatFieldValue(calculation->Store().value[q], Decimals(q), shown);
            text[q] = shown;
        }
    }
    void ShowRoles() override {}
    void ShowFieldText(int q, const char* shown) override { text[q] = shown; }
    void ShowTitle(const std::string& shown) override { title = shown; }
    void ShowNote(const std::string& shown) override { note = shown; }

    Calculation* calculation = nullptr;
    std::string text[kQuantityCount];
    std::string title;
    std::string note;

private:
    static int Decimals(int q) { return static_cast<int>(QuantityAt(q).decimals); }
};

// A calculation after start-up, with its view.
struct Shown {
    Shown() {
        view.calculation = &calculation;
        view.WriteFields();
        calculation.Start();
    }
    FieldsView view;
    Calculation calculation{view};
};

// The record line that fixes only the Lampenhöhe, the room's area, its Raumwirkungsgrad and its
// Wartungsfaktor, at these texts.
std::string RoomRecord(const std::string& height, const std::string& area,
                       const std::string& efficiency, const std::string& factor) {
    std::string fields[kQuantityCount];
    fields[kMountingHeight] = height;
    fields[kRoomArea] = area;
    fields[kRoomEfficiency] = efficiency;
    fields[kMaintenanceFactor] = factor;
    std::string record = "Raum";
    for (const std::string& field : fields) {
        record += ';' + field;
    }
    return record + "\r\n";
}

TEST(Calculation, ARoomIsGivenAsALampRecordFixingItsFieldsAtTheTextsShown) {
    const struct {
        const char* name;
        std::function<void(Calculation&)> before;
        Room room;
        double efficiency;
        const char* heightText;
        const char* efficiencyText;
        const char* areaText;
        const char* factorText;
    } cases[] = {
        {"after start-up", [](Calculation&) {}, Room{10, 6, 3}, 78.4, "2.25", "78", "60.00",
         "0.80"},
        {"rounded as the fields show it", [](Calculation&) {},
         Room{12.346, 1, 3.1234, 0.75, 0, 70, 50, 20, 0.666}, 80.5, "2.37", "80", "12.35", "0.67"},
        {"room area, Raumwirkungsgrad and Wartungsfaktor unticked",
         [](Calculation& c) {
             c.GivenClicked(kRoomEfficiency);
             c.GivenClicked(kLampsNeeded);
             c.GivenClicked(kRoomArea);
             c.GivenClicked(kMaintenanceFactor);
         },
         Room{50, 25, 4}, 64.9, "3.25", "65", "1 250.00", "0.80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Shown room;
        c.before(room.calculation);
        room.calculation.ApplyRoom(c.room, c.efficiency);
        Shown record;
        c.before(record.calculation);
        record.calculation.ApplyLampRecord(ReadLampRecord(
            RoomRecord(c.heightText, c.areaText, c.efficiencyText, c.factorText).c_str()));

        const ValueStore& store = room.calculation.Store();
        for (int q : {kMountingHeight, kRoomArea, kRoomEfficiency, kMaintenanceFactor}) {
            EXPECT_NE(store.given[q], 0u) << q;
        }
        EXPECT_EQ(room.view.text[kMountingHeight], c.heightText);
        EXPECT_EQ(room.view.text[kRoomArea], c.areaText);
        EXPECT_EQ(room.view.text[kRoomEfficiency], c.efficiencyText);
        EXPECT_EQ(room.view.text[kMaintenanceFactor], c.factorText);
        EXPECT_TRUE(room.calculation.HasUnsavedChanges());
        EXPECT_TRUE(SameStore(store, record.calculation.Store()));
        for (int q = 0; q < kQuantityCount; ++q) {
            EXPECT_EQ(room.view.text[q], record.view.text[q]) << q;
        }
    }
}

// The record a lamp file gives: flux, beam angle, power and lamp efficiency, the intensity
// released.
LampRecord LampFileRecord() {
    return ReadLampRecord("Quadranten;*;2500;;90;;;;;150;;;;;;;;;;;;80;\r\n");
}

TEST(Calculation, TheLampFilesLightLastsWhileItIsTheCurrentLamp) {
    const struct {
        const char* name;
        std::function<void(Shown&)> change;
        bool kept;
    } cases[] = {
        {"nothing else", [](Shown&) {}, true},
        {"a room applied",
         [](Shown& s) {
             s.calculation.ApplyRoom(Room{10, 6, 3}, 80);
         },
         true},
        {"the room's illuminance typed",
         [](Shown& s) {
             s.view.text[kRoomIlluminance] = "300";
             s.calculation.FieldTyped(kRoomIlluminance);
         },
         true},
        {"its flux typed",
         [](Shown& s) {
             s.view.text[kLuminousFlux] = "3000";
             s.calculation.FieldTyped(kLuminousFlux);
         },
         false},
        {"a database line",
         [](Shown& s) { s.calculation.ApplyLampRecord(ReadLampRecord("LED;*;806;;36\r\n")); },
         false},
        {"a data file without a lamp file",
         [](Shown& s) {
             DataFileContents contents;
             contents.recognisedLines = 1;
             s.calculation.ApplyDataFile(contents, "a.lumx");
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Shown shown;
        shown.calculation.ApplyLampFileRecord(LampFileRecord(), {"q.ies", LightDistribution{}});
        c.change(shown);
        EXPECT_EQ(shown.calculation.LampFile() != nullptr, c.kept);
    }
}

TEST(Calculation, ADataFileBringsItsRoomAndTheLampFileFoundAgain) {
    Shown shown;
    shown.calculation.ApplyRoom(Room{10, 6, 3}, 80);
    DataFileContents contents;
    contents.recognisedLines = 22;
    contents.room = Room{4, 5, 2.8};
    shown.calculation.ApplyDataFile(contents, "a.lumx", PhotometricLamp{"q.ies", {}});
    ASSERT_TRUE(shown.calculation.RoomUsed());
    EXPECT_EQ(shown.calculation.RoomUsed()->width, 5);
    ASSERT_NE(shown.calculation.LampFile(), nullptr);
    EXPECT_EQ(shown.calculation.LampFile()->fileName, "q.ies");
    // A file of the wrong format changes nothing.
    shown.calculation.ApplyDataFile(DataFileContents{}, "b.lumx");
    EXPECT_TRUE(shown.calculation.RoomUsed());
    EXPECT_NE(shown.calculation.LampFile(), nullptr);
}

} // namespace
