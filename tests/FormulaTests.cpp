// The nine formulas: the worked example from the defaults, every member solved back to its
// inputs, the Wartungsfaktor in formula 7, and the guards for zero divisors, clamped cosines
// and results that must not go negative; the formula network's rows.
#include "EngineTestSupport.h"

#include "model/FormulaEvaluator.h"
#include "model/FormulaNetwork.h"
#include "model/ValueStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

ValueStore Defaults() {
    ValueStore store;
    LoadDefaults(store);
    return store;
}

// The defaults after the nine formulas have been solved one after the other.
ValueStore WorkedExample() {
    ValueStore store = Defaults();
    SolveFormula(store, 1, kSolidAngle);
    SolveFormula(store, 0, kLitDiameter);
    SolveFormula(store, 3, kLitArea);
    SolveFormula(store, 2, kLuminousIntensity);
    SolveFormula(store, 4, kIlluminance);
    SolveFormula(store, 5, kEfficacy);
    SolveFormula(store, 6, kHoursPerYear);
    SolveFormula(store, 7, kLampsNeeded);
    SolveFormula(store, 8, kOperatingCost);
    return store;
}

double Solved(ValueStore store, int formula, int quantity) {
    SolveFormula(store, formula, quantity);
    return store.value[quantity];
}

TEST(FormulaEvaluator, WorkedExampleFromTheDefaults) {
    ValueStore store = WorkedExample();
    EXPECT_EQ(Significant(store.value[kSolidAngle], 10), Significant(0.3075209777, 10));
    EXPECT_EQ(Significant(store.value[kLitDiameter], 10), Significant(1.624598481, 10));
    EXPECT_EQ(Significant(store.value[kLitArea], 10), Significant(2.072917257, 10));
    EXPECT_EQ(Significant(store.value[kLuminousIntensity], 10), Significant(3251.810681, 10));
    EXPECT_EQ(Significant(store.value[kIlluminance], 10), Significant(482.4119228, 10));
    EXPECT_EQ(Significant(store.value[kEfficacy], 10), Significant(50, 10));
    EXPECT_EQ(Significant(store.value[kHoursPerYear], 10), Significant(1500, 10));
    EXPECT_EQ(Significant(store.value[kLampsNeeded], 10), Significant(17.85714286, 10));
    EXPECT_EQ(Significant(store.value[kOperatingCost], 10), Significant(128.5714286, 10));
}

TEST(FormulaEvaluator, SolvingBackReturnsTheInputsToTwelveDigits) {
    const ValueStore store = WorkedExample();
    EXPECT_EQ(Significant(Solved(store, 0, kBeamAngle), 12), Significant(36, 12));
    EXPECT_EQ(Significant(Solved(store, 1, kBeamAngle), 12), Significant(36, 12));
    EXPECT_EQ(Significant(Solved(store, 7, kRoomEfficiency), 12), Significant(70, 12));
    EXPECT_EQ(Significant(Solved(store, 8, kPower), 12), Significant(20, 12));
    EXPECT_EQ(Significant(Solved(store, 8, kLampLife), 12), Significant(2000, 12));
    EXPECT_EQ(Significant(Solved(store, 2, kLuminousFlux), 12), Significant(1000, 12));
    EXPECT_EQ(Significant(Solved(store, 6, kHoursPerDay), 12), Significant(5, 12));
    EXPECT_EQ(Significant(Solved(store, 7, kLuminousFlux), 12), Significant(1000, 12));
    EXPECT_EQ(Significant(Solved(store, 8, kLampPrice), 12), Significant(2, 12));
}

// The maintenance factor asks for more lamps for the same maintained illuminance; every member
// of formula 7 solved back from the lamps comes back, and a factor of 1 changes no bit.
TEST(FormulaEvaluator, TheMaintenanceFactorJoinsFormulaSeven) {
    ValueStore store = WorkedExample();
    const double withoutFactor = store.value[kLampsNeeded];
    EXPECT_EQ(withoutFactor, 500 * 20 / (1000 * 80 * 0.01 * 70 * 0.01));
    store.value[kMaintenanceFactor] = 0.8;
    SolveFormula(store, 7, kLampsNeeded);
    EXPECT_EQ(Significant(store.value[kLampsNeeded], 12), Significant(withoutFactor / 0.8, 12));
    for (int q : {kRoomArea, kRoomIlluminance, kLuminousFlux, kLampEfficiency, kRoomEfficiency,
                  kMaintenanceFactor}) {
        SCOPED_TRACE(q);
        EXPECT_EQ(Significant(Solved(store, 7, q), 12), Significant(store.value[q], 12));
    }
}

TEST(FormulaEvaluator, ZeroDivisorsGiveLargeFiniteResults) {
    ValueStore store = WorkedExample();
    store.value[kSolidAngle] = 0;
    EXPECT_EQ(Significant(Solved(store, 2, kLuminousIntensity), 10), Significant(1e11, 10));

    store = WorkedExample();
    store.value[kHoursPerDay] = 0;
    EXPECT_EQ(Significant(Solved(store, 6, kDaysPerYear), 10), Significant(1.5e11, 10));

    store = Defaults();
    store.value[kMountingHeight] = 0;
    store.value[kLitDiameter] = 1;
    EXPECT_EQ(Significant(Solved(store, 0, kBeamAngle), 10), Significant(179.9977082, 10));
    store.value[kBeamAngle] = 0;
    EXPECT_EQ(Significant(Solved(store, 0, kMountingHeight), 10), Significant(5e7, 10));
}

TEST(FormulaEvaluator, LampsNeededAreBoundedOnlyByFormulaSeven) {
    ValueStore store = WorkedExample();
    store.value[kLuminousFlux] = 0;
    EXPECT_EQ(Solved(store, 7, kLampsNeeded), 1e8);
    store.value[kLuminousFlux] = 0.2;
    EXPECT_DOUBLE_EQ(Solved(store, 7, kLampsNeeded), 89285.71428571428);

    store = WorkedExample();
    store.value[kOperatingCost] = 1e13;
    EXPECT_EQ(Significant(Solved(store, 8, kLampsNeeded), 4), Significant(1.389e12, 4));
}

TEST(FormulaEvaluator, SolidAngleBeyondItsRangeClampsTheCosine) {
    ValueStore store = Defaults();
    store.value[kSolidAngle] = 6.283185307179586;
    EXPECT_EQ(Significant(Solved(store, 1, kBeamAngle), 12), Significant(180, 12));
    store.value[kSolidAngle] = 13;
    EXPECT_EQ(Significant(Solved(store, 1, kBeamAngle), 12), Significant(360, 12));
    store.value[kSolidAngle] = -1;
    EXPECT_EQ(Solved(store, 1, kBeamAngle), 0);
}

TEST(FormulaEvaluator, NegativeAreaGivesZeroDiameter) {
    ValueStore store = Defaults();
    store.value[kLitArea] = -1;
    EXPECT_EQ(Solved(store, 3, kLitDiameter), 0);
    store.value[kLitArea] = 1;
    EXPECT_EQ(Significant(Solved(store, 3, kLitDiameter), 10), Significant(1.128379167, 10));
}

TEST(FormulaEvaluator, OperatingCostResultsNeverGoNegative) {
    ValueStore store = WorkedExample();
    store.value[kOperatingCost] = 20;
    EXPECT_EQ(Solved(store, 8, kPower), 0);
    EXPECT_EQ(Solved(store, 8, kElectricityPrice), 0);

    store.value[kOperatingCost] = 0;
    EXPECT_EQ(Significant(Solved(store, 8, kLampLife), 10), Significant(2e9, 10));
}

TEST(FormulaEvaluator, NotANumberFallsToTheGuards) {
    ValueStore store = WorkedExample();
    store.value[kSolidAngle] = kNaN;
    EXPECT_EQ(Significant(Solved(store, 2, kLuminousIntensity), 10), Significant(1e11, 10));
    EXPECT_EQ(Significant(Solved(store, 1, kBeamAngle), 12), Significant(360, 12));

    store = WorkedExample();
    store.value[kLitArea] = kNaN;
    EXPECT_EQ(Solved(store, 3, kLitDiameter), 0);

    store = WorkedExample();
    store.value[kRoomIlluminance] = kNaN;
    EXPECT_EQ(Solved(store, 7, kLampsNeeded), 0);
    store = WorkedExample();
    store.value[kLuminousFlux] = kNaN;
    EXPECT_EQ(Solved(store, 7, kLampsNeeded), 1e8);

    store = WorkedExample();
    store.value[kHoursPerYear] = kNaN;
    EXPECT_EQ(Solved(store, 8, kOperatingCost), 0);
    store = WorkedExample();
    store.value[kOperatingCost] = kNaN;
    EXPECT_EQ(Solved(store, 8, kLampsNeeded), 0);
}

TEST(FormulaEvaluator, InfiniteInputsStayWithinTheClamps) {
    ValueStore store = WorkedExample();
    store.value[kRoomIlluminance] = kInf;
    EXPECT_EQ(Solved(store, 7, kLampsNeeded), 1e8);
    store = WorkedExample();
    store.value[kSolidAngle] = kInf;
    EXPECT_EQ(Solved(store, 2, kLuminousIntensity), 0);
    store = WorkedExample();
    store.value[kOperatingCost] = -kInf;
    EXPECT_EQ(Solved(store, 8, kLampPrice), 0);
}

TEST(FormulaEvaluator, WritesOnlyTheMemberItSolvesFor) {
    const ValueStore before = WorkedExample();
    for (int f = 0; f < kFormulaCount; ++f) {
        for (int q = 0; q < kQuantityCount; ++q) {
            ValueStore store = before;
            SolveFormula(store, f, q);
            if (FormulaMatrix[q][f] != 0) {
                store.value[q] = before.value[q];
            }
            EXPECT_TRUE(SameStore(store, before)) << "formula " << f << " for " << q;
        }
    }
}

TEST(FormulaEvaluator, IndexesOutOfRangeChangeNothing) {
    const ValueStore before = WorkedExample();
    const int cases[][2] = {{3, 0}, {9, 1}, {8, 0}, {-1, 1}, {255, 1}, {0, -1}, {0, 22}, {8, 255}};
    for (const auto& c : cases) {
        ValueStore store = before;
        SolveFormula(store, c[0], c[1]);
        EXPECT_TRUE(SameStore(store, before)) << c[0] << ", " << c[1];
    }
}

std::vector<int> Row(const std::uint8_t* row, std::uint32_t count, int width) {
    for (int i = static_cast<int>(count); i < width; ++i) {
        EXPECT_EQ(row[i], kEmptySlot) << "slot " << i;
    }
    return std::vector<int>(row, row + count);
}

LightingModel BuiltFromGarbage() {
    LightingModel model;
    std::memset(&model.network, 0x07, sizeof model.network);
    LoadDefaults(model.store);
    BuildFormulaNetwork(model.network, model.store);
    return model;
}

TEST(FormulaNetwork, MembersStandInDescendingWeight) {
    const LightingModel model = BuiltFromGarbage();
    const std::vector<std::vector<int>> expected = {
        {kMountingHeight, kBeamAngle, kLitDiameter},
        {kBeamAngle, kSolidAngle},
        {kLuminousFlux, kLuminousIntensity, kSolidAngle},
        {kLitDiameter, kLitArea},
        {kLuminousFlux, kLitArea, kIlluminance},
        {kPower, kLuminousFlux, kEfficacy},
        {kHoursPerDay, kDaysPerYear, kHoursPerYear},
        {kRoomEfficiency, kLampEfficiency, kRoomArea, kRoomIlluminance, kMaintenanceFactor,
         kLuminousFlux, kLampsNeeded},
        {kLampLife, kElectricityPrice, kLampPrice, kPower, kLampsNeeded, kHoursPerYear,
         kOperatingCost},
    };
    for (int f = 0; f < kFormulaCount; ++f) {
        SCOPED_TRACE(f);
        const FormulaNetwork& network = model.network;
        EXPECT_EQ(Row(network.FormulaMembers[f], network.MemberCount[f], kQuantityCount),
                  expected[f]);
    }
}

TEST(FormulaNetwork, FormulasOfAQuantityStandInDescendingWeight) {
    const LightingModel model = BuiltFromGarbage();
    // Equal weights keep the lower formula first: 1 in 2 and 4, 4 in 1 and 2, 5 in 3 and 4.
    const std::vector<std::vector<int>> expected = {
        {2}, {2, 4, 5, 7}, {4}, {1, 0}, {1, 2}, {3, 4}, {0}, {3, 0}, {5, 8}, {5}, {7}, {6},
        {6}, {6, 8},       {7}, {8, 7}, {8},    {8},    {8}, {8},    {7},    {7}, {7},
    };
    for (int q = 0; q < kQuantityCount; ++q) {
        SCOPED_TRACE(q);
        const FormulaNetwork& network = model.network;
        EXPECT_EQ(Row(network.QuantityFormulas[q], network.FormulaCount[q], kFormulaCount),
                  expected[q]);
    }
}

TEST(FormulaNetwork, BuildingSettlesTheTwoMemberFormulasOnly) {
    LightingModel model;
    InitLightingModel(model);
    ValueStore expected = Defaults();
    expected.value[kSolidAngle] = model.store.value[kSolidAngle];
    EXPECT_EQ(Significant(model.store.value[kSolidAngle], 10), Significant(0.3075209777, 10));
    EXPECT_EQ(model.store.value[kLitArea], 0);
    EXPECT_TRUE(SameStore(model.store, expected));
}

double TwoMemberArea(double area, double diameter, bool wantDiameter) {
    LightingModel model;
    ClearFormulaNetwork(model.network);
    LoadDefaults(model.store);
    model.store.value[kLitArea] = area;
    model.store.value[kLitDiameter] = diameter;
    BuildFormulaNetwork(model.network, model.store);
    return model.store.value[wantDiameter ? kLitDiameter : kLitArea];
}

TEST(FormulaNetwork, TwoMemberRuleSolvesForTheEmptyMemberOrTheLighterOne) {
    // Only the area has a value: the diameter follows.
    EXPECT_EQ(Significant(TwoMemberArea(4, 0, true), 10), Significant(2.256758334, 10));
    // Only the diameter has a value, or both have: the area (weight 5) follows.
    EXPECT_EQ(Significant(TwoMemberArea(0, 2, false), 12), Significant(3.14159265359, 12));
    EXPECT_EQ(Significant(TwoMemberArea(9, 2, false), 12), Significant(3.14159265359, 12));
    EXPECT_EQ(TwoMemberArea(9, 2, true), 2);
}

} // namespace
