// The catalogue of the quantities as data files and the dialog show it: titles and help texts
// byte for byte, the control ids of each quantity and no other, the Wartungsfaktor's limits,
// the limit that means none, and clamping to the limits.
#include "EngineTestSupport.h"

#include "model/Quantity.h"
#include "model/ValueStore.h"
#include "ui/QuantityControls.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace {

TEST(Catalogue, EveryTitleIsTwentyFiveBytesSplitByItsFirstAngle) {
    for (int q = 0; q < kQuantityCount; ++q) {
        SCOPED_TRACE(q);
        std::string_view title = QuantityAt(q).title;
        EXPECT_EQ(title.size(), 25u);
        EXPECT_EQ(TitleName(q).size(), 20u);
        EXPECT_EQ(TitleUnit(q).size(), 4u);
        EXPECT_EQ(std::string(TitleName(q)) + ">" + std::string(TitleUnit(q)), title);
    }
}

TEST(Catalogue, TitlesAreWindows1252WithTheirBlanks) {
    EXPECT_STREQ(QuantityAt(kLuminousIntensity).title, "Lichtst\xE4ke          >cd  ");
    EXPECT_EQ(TitleName(kLitArea), "Beleuchtungsfl\xE4"
                                   "che  ");
    EXPECT_EQ(TitleUnit(kLitArea), "m\xB2  ");
    EXPECT_EQ(TitleUnit(kBeamAngle), "\xB0   ");
    EXPECT_EQ(TitleName(kRoomArea), "Raumgr\xF6\xDF"
                                    "e           ");
    EXPECT_EQ(TitleName(kHoursPerYear), "Betriebstunden/Jahr ");
    // Data files carry these units, which differ from the dialog's labels.
    EXPECT_EQ(TitleUnit(kEfficacy), "W/lm");
    EXPECT_EQ(TitleUnit(kLampLife), "m   ");
}

TEST(Catalogue, HelpTextsKeepTheirSpellingBlanksAndLineFeeds) {
    EXPECT_STREQ(QuantityAt(kLuminousIntensity).helpText,
                 "Ist die durchschnittliche Helligkeit einer Lichtquelle im Abstand von einem "
                 "Meter zu Lichtquelle. \n\nLichtst\xE4ke =  Lichtstrom / Raumwinkel\n\n");
    EXPECT_STREQ(QuantityAt(kRoomArea).helpText, "Ist die Gr\xF6\xDF"
                                                 "e des Raumes der ausgeleuchet werden soll.");
    EXPECT_STREQ(QuantityAt(kLampsNeeded).helpText,
                 "Ist die Anzahl der Lampe die im Raumben\xF6tigt werden "
                 "um die gew\xFCnschte Helligkeit zu erreichen");
    std::string_view roomEfficiency = QuantityAt(kRoomEfficiency).helpText;
    EXPECT_EQ(roomEfficiency.substr(0, 46), "Besimmt wieviel Prozent des Lichtes von den W\xE4");
    EXPECT_NE(roomEfficiency.find("wird.\n\n   k = a*b / /h*(a+b))\n\nMit k"), std::string::npos);
    const std::string_view ending = "und W\xE4nden ben\xF6tig.";
    EXPECT_EQ(roomEfficiency.substr(roomEfficiency.size() - ending.size()), ending);
}

TEST(Catalogue, ControlIdsFindTheirQuantityInIndexOrder) {
    for (int q = 0; q < kQuantityCount; ++q) {
        EXPECT_EQ(QuantityOfEdit(ControlsOf(q).editId), q);
        EXPECT_EQ(QuantityOfCheckbox(ControlsOf(q).checkboxId), q);
    }
    // The edits of quantities 5 and 6 are numbered against their order on screen.
    EXPECT_EQ(QuantityOfEdit(1016), kLitArea);
    EXPECT_EQ(QuantityOfEdit(1015), kMountingHeight);
    EXPECT_EQ(QuantityOfCheckbox(1045), kLampEfficiency);
    EXPECT_EQ(QuantityOfEdit(1046), kRoomEfficiency);
    EXPECT_EQ(QuantityOfEdit(1051), kMaintenanceFactor);
    EXPECT_EQ(QuantityOfCheckbox(1052), kMaintenanceFactor);
}

// A calculation without a Wartungsfaktor, as every earlier one, counts with 1.
TEST(Catalogue, TheMaintenanceFactorStartsAtOneWithinItsLimits) {
    const Quantity& factor = QuantityAt(kMaintenanceFactor);
    EXPECT_STREQ(factor.title, "Wartungsfaktor      >    ");
    EXPECT_EQ(factor.defaultValue, 1.0);
    EXPECT_EQ(factor.decimals, 2.0);
    EXPECT_EQ(factor.lowerLimit, 0.1);
    EXPECT_EQ(factor.upperLimit, 1.0);
    EXPECT_EQ(ControlsOf(kMaintenanceFactor).pictureId, 137);
    EXPECT_NE(std::string_view(factor.helpText).find("Wartungswert = Neuwert * Wartungsfaktor"),
              std::string_view::npos);
}

TEST(Catalogue, OtherControlIdsFindNoQuantity) {
    for (int id : {1043, 1040, 1041, 1044, 1048, 0, 1, 2, -1}) {
        EXPECT_EQ(QuantityOfEdit(id), kNoQuantity) << id;
        EXPECT_EQ(QuantityOfCheckbox(id), kNoQuantity) << id;
    }
    EXPECT_EQ(QuantityOfCheckbox(1010), kNoQuantity); // an edit is no checkbox
    EXPECT_EQ(QuantityOfEdit(1000), kNoQuantity);     // and a checkbox no edit
}

TEST(Catalogue, NoLimitIsRecognisedByItsExactBits) {
    EXPECT_TRUE(IsNoLimit(kNoLimit));
    EXPECT_TRUE(IsNoLimit(-123.456));
    EXPECT_FALSE(IsNoLimit(std::nextafter(kNoLimit, 0.0)));
    EXPECT_FALSE(IsNoLimit(123.456));
    EXPECT_FALSE(IsNoLimit(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_TRUE(IsNoLimit(QuantityAt(kLuminousFlux).upperLimit));
    EXPECT_FALSE(IsNoLimit(QuantityAt(kLuminousFlux).lowerLimit));
}

double Clamped(int q, double typed) {
    ValueStore store;
    LoadDefaults(store);
    store.value[q] = typed;
    Clamp(store, q);
    return store.value[q];
}

TEST(ValueStore, ClampAppliesLowerThenUpperLimit) {
    EXPECT_EQ(Clamped(kBeamAngle, 0), 1);
    EXPECT_EQ(Clamped(kBeamAngle, 170), 120);
    EXPECT_EQ(Clamped(kBeamAngle, 36), 36);
    EXPECT_EQ(Clamped(kHoursPerYear, 9000), 8760);
    EXPECT_EQ(Clamped(kSolidAngle, 7), 6.283185307179586);
    EXPECT_EQ(Clamped(kMountingHeight, 0.05), 0.1);
    // Bright, wide rooms have a utilance above 100 %.
    EXPECT_EQ(Clamped(kRoomEfficiency, 119), 119);
    EXPECT_EQ(Clamped(kRoomEfficiency, 160), 150);
}

TEST(ValueStore, ClampSkipsMissingLimits) {
    EXPECT_EQ(Clamped(kLuminousFlux, -5), 0);
    EXPECT_EQ(Clamped(kLuminousFlux, 1e12), 1e12);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Clamped(kLuminousFlux, inf), inf);
    EXPECT_EQ(Clamped(kLuminousFlux, -inf), 0);
    EXPECT_EQ(Clamped(kLampEfficiency, inf), 100);
}

TEST(ValueStore, ClampLeavesNaNAsItIs) {
    EXPECT_TRUE(std::isnan(Clamped(kBeamAngle, std::numeric_limits<double>::quiet_NaN())));
}

TEST(ValueStore, ClampOfAnIndexOutOfRangeChangesNothing) {
    ValueStore store;
    LoadDefaults(store);
    store.value[kLuminousIntensity] = -7;
    const ValueStore before = store;
    for (int q : {-1, 23, 255}) {
        Clamp(store, q);
        EXPECT_TRUE(SameStore(store, before)) << q;
    }
}

} // namespace
