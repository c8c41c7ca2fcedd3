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

    Calculation* calculation = nullptr;
    std::string text[kQuantityCount];
    std::string title;

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

// The record line that fixes only the room's area and Raumwirkungsgrad, at these texts.
std::string RoomRecord(const std::string& area, const std::string& efficiency) {
    std::string record = "Raum";
    for (int q = 0; q < kQuantityCount; ++q) {
        record += ';';
        record += q == kRoomArea ? area : q == kRoomEfficiency ? efficiency : "";
    }
    return record + "\r\n";
}

TEST(Calculation, ARoomIsGivenAsALampRecordFixingItsAreaAndEfficiencyAtTheTextsShown) {
    const struct {
        const char* name;
        std::function<void(Calculation&)> before;
        Room room;
        double efficiency;
        const char* efficiencyText;
        const char* areaText;
    } cases[] = {
        {"after start-up", [](Calculation&) {}, Room{10, 6, 3}, 78.4, "78", "60.00"},
        {"rounded as the fields show it", [](Calculation&) {}, Room{12.346, 1, 3}, 80.5, "80",
         "12.35"},
        {"room area and Raumwirkungsgrad unticked",
         [](Calculation& c) {
             c.GivenClicked(kRoomEfficiency);
             c.GivenClicked(kLampsNeeded);
             c.GivenClicked(kRoomArea);
         },
         Room{50, 25, 4}, 64.9, "65", "1 250.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Shown room;
        c.before(room.calculation);
        room.calculation.ApplyRoom(c.room, c.efficiency);
        Shown record;
        c.before(record.calculation);
        record.calculation.ApplyLampRecord(
            ReadLampRecord(RoomRecord(c.areaText, c.efficiencyText).c_str()));

        const ValueStore& store = room.calculation.Store();
        EXPECT_NE(store.given[kRoomArea], 0u);
        EXPECT_NE(store.given[kRoomEfficiency], 0u);
        EXPECT_EQ(room.view.text[kRoomArea], c.areaText);
        EXPECT_EQ(room.view.text[kRoomEfficiency], c.efficiencyText);
        EXPECT_TRUE(room.calculation.HasUnsavedChanges());
        EXPECT_TRUE(SameStore(store, record.calculation.Store()));
        for (int q = 0; q < kQuantityCount; ++q) {
            EXPECT_EQ(room.view.text[q], record.view.text[q]) << q;
        }
    }
}

} // namespace
