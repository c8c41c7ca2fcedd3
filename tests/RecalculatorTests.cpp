// Recalculation: the start-up values, and which formulas an edited value recomputes, in which
// order, with clamping of the edited quantity only.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr double kDegree = 3.141592653589793 / 180;

TEST(Recalculation, StartUpShowsTheDocumentedValues) {
    const LightingModel model = StartUpValues();
    const double* value = model.store.value;
    EXPECT_EQ(Significant(value[kLuminousIntensity], 6), Significant(3251.81, 6));
    EXPECT_EQ(Significant(value[kIlluminance], 6), Significant(482.412, 6));
    EXPECT_EQ(Significant(value[kSolidAngle], 6), Significant(0.307521, 6));
    EXPECT_EQ(Significant(value[kLitArea], 6), Significant(2.07292, 6));
    EXPECT_EQ(Significant(value[kLitDiameter], 5), Significant(1.6246, 5));
    EXPECT_EQ(value[kEfficacy], 50);
    EXPECT_EQ(value[kHoursPerYear], 1500);
    EXPECT_EQ(Significant(value[kLampsNeeded], 6), Significant(17.8571, 6));
    EXPECT_EQ(Significant(value[kOperatingCost], 6), Significant(128.571, 6));
}

TEST(Recalculation, StartUpMatchesTheFormulasToTenDigits) {
    const LightingModel model = StartUpValues();
    const double* value = model.store.value;
    EXPECT_EQ(Significant(value[kSolidAngle], 10), Significant(0.3075209777, 10));
    EXPECT_EQ(Significant(value[kLitDiameter], 10), Significant(1.624598481, 10));
    EXPECT_EQ(Significant(value[kLitArea], 10), Significant(2.072917257, 10));
    EXPECT_EQ(Significant(value[kLuminousIntensity], 10), Significant(3251.810681, 10));
    EXPECT_EQ(Significant(value[kIlluminance], 10), Significant(482.4119228, 10));
    EXPECT_EQ(Significant(value[kLampsNeeded], 10), Significant(17.85714286, 10));
    EXPECT_EQ(Significant(value[kOperatingCost], 10), Significant(128.5714286, 10));
}

TEST(Recalculation, FirstStartUpCallSettlesEverythingInOneSweep) {
    LightingModel model = StartUpRoles();
    NoView view;
    Recalculate(model, view, kLuminousFlux);
    const LightingModel settled = StartUpValues();
    EXPECT_TRUE(SameStore(model.store, settled.store));
}

TEST(Recalculation, EditingAGivenQuantityRecomputesTheComputedOnes) {
    LightingModel model = StartUpValues();
    const LightingModel before = model;
    model.store.value[kBeamAngle] = 60;
    NoView view;
    Recalculate(model, view, kBeamAngle);
    const double* value = model.store.value;
    EXPECT_EQ(value[kBeamAngle], 60);
    const double solidAngle = 2 * 3.141592653589793 * (1 - std::cos(30 * kDegree));
    const double diameter = 2 * 2.5 * std::tan(30 * kDegree);
    const double area = 3.141592653589793 * diameter * diameter / 4;
    EXPECT_EQ(Significant(value[kSolidAngle], 12), Significant(solidAngle, 12));
    EXPECT_EQ(Significant(value[kLitDiameter], 12), Significant(diameter, 12));
    EXPECT_EQ(Significant(value[kLitArea], 12), Significant(area, 12));
    EXPECT_EQ(Significant(value[kLuminousIntensity], 12), Significant(1000 / solidAngle, 12));
    EXPECT_EQ(Significant(value[kIlluminance], 12), Significant(1000 / area, 12));
    for (int q : kInitiallyGiven) {
        if (q != kBeamAngle) {
            EXPECT_EQ(value[q], before.store.value[q]) << q;
        }
    }
    // Quantities that do not depend on the beam angle keep their values.
    EXPECT_EQ(value[kLampsNeeded], before.store.value[kLampsNeeded]);
    EXPECT_EQ(value[kOperatingCost], before.store.value[kOperatingCost]);
}

TEST(Recalculation, ClampsTheEditedQuantityBeforeEvaluating) {
    LightingModel model = StartUpValues();
    model.store.value[kBeamAngle] = 0;
    NoView view;
    Recalculate(model, view, kBeamAngle);
    EXPECT_EQ(model.store.value[kBeamAngle], 1);
    const double solidAngle = 2 * 3.141592653589793 * (1 - std::cos(0.5 * kDegree));
    EXPECT_EQ(Significant(model.store.value[kSolidAngle], 12), Significant(solidAngle, 12));
}

TEST(Recalculation, ComputedValuesAreNotClampedToTheLimits) {
    LightingModel model = StartUpValues();
    NoView view;
    Resolve(model, view, kSolidAngle); // the solid angle is ticked, the beam angle becomes computed
    ASSERT_NE(model.store.computed[kBeamAngle], 0u);
    model.store.value[kSolidAngle] = 6;
    Recalculate(model, view, kSolidAngle);
    const double beamAngle = 2 * std::acos(1 - 6 / (2 * 3.141592653589793)) / kDegree;
    EXPECT_GT(model.store.value[kBeamAngle], 120);
    EXPECT_EQ(Significant(model.store.value[kBeamAngle], 12), Significant(beamAngle, 12));
}

TEST(Recalculation, EditingAFreeQuantityFillsItsFormulasWithoutChangingRoles) {
    LightingModel model = StartUpValues();
    NoView view;
    Resolve(model, view, kLuminousFlux); // luminous flux becomes free
    const LightingModel before = model;
    model.store.value[kLuminousFlux] = 2000;
    Recalculate(model, view, kLuminousFlux);
    const double* value = model.store.value;
    EXPECT_EQ(value[kLuminousFlux], 2000);
    EXPECT_EQ(Significant(value[kLuminousIntensity], 12),
              Significant(2000 / value[kSolidAngle], 12));
    EXPECT_EQ(Significant(value[kIlluminance], 12), Significant(2000 / value[kLitArea], 12));
    EXPECT_EQ(value[kEfficacy], 100);
    EXPECT_EQ(Significant(value[kLampsNeeded], 12),
              Significant(500.0 * 20 / (2000 * 0.8 * 0.7), 12));
    EXPECT_EQ(model.store.given[kLuminousFlux], 0u);
    EXPECT_EQ(model.store.computed[kLuminousFlux], 0u);
    for (int q = 0; q < kQuantityCount; ++q) {
        EXPECT_EQ(model.store.given[q], before.store.given[q]);
        EXPECT_EQ(model.store.computed[q], before.store.computed[q]);
    }
}

TEST(Recalculation, WithNothingGivenTheHighestRankedFormulaIsForcedFirst) {
    LightingModel model = StartUpValues();
    NoView view;
    for (int q : kInitiallyGiven) {
        Resolve(model, view, q);
    }
    model.store.value[kLuminousIntensity] = 2000;
    model.store.value[kLuminousFlux] = 1000;
    Recalculate(model, view, kLuminousFlux);
    // Formula 2 (rank 8) goes first and yields the solid angle, its member of least weight,
    // from the luminous intensity; the intensity then follows back unchanged.
    EXPECT_EQ(model.store.value[kSolidAngle], 0.5);
    EXPECT_EQ(model.store.value[kLuminousIntensity], 2000);
    const double beamAngle = 2 * std::acos(1 - 0.5 / (2 * 3.141592653589793)) / kDegree;
    EXPECT_EQ(Significant(model.store.value[kBeamAngle], 12), Significant(beamAngle, 12));
    // Formula 5 (rank 7, higher index than formula 0) yields the efficacy, its lightest member.
    EXPECT_EQ(model.store.value[kEfficacy], 1000 / model.store.value[kPower]);
    EXPECT_TRUE(GivenQuantities(model.store).empty());
    EXPECT_TRUE(ComputedQuantities(model.store).empty());
}

// Plays the dialog: hands over a typed text as the field's value, records the calls.
class TypingView final : public SolverView {
public:
    TypingView(LightingModel& model, int q, double typed)
        : m_model(model), m_q(q), m_typed(typed) {}
    void ReadFields() override {
        calls += 'R';
        m_model.store.value[m_q] = m_typed;
    }
    void WriteFields() override {
        calls += 'W';
        written = m_model.store;
    }
    void ShowRoles() override { calls += 'S'; }

    std::string calls;
    ValueStore written{};

private:
    LightingModel& m_model;
    int m_q;
    double m_typed;
};

TEST(Recalculation, ReadsTheFieldsBeforeClampingAndWritesThemAtTheEnd) {
    LightingModel model = StartUpValues();
    TypingView view(model, kBeamAngle, 170);
    Recalculate(model, view, kBeamAngle);
    EXPECT_EQ(view.calls, "RW");
    EXPECT_EQ(view.written.value[kBeamAngle], 120);
    EXPECT_TRUE(SameStore(view.written, model.store));
    EXPECT_EQ(Significant(model.store.value[kLitDiameter], 12),
              Significant(2 * 2.5 * std::tan(60 * kDegree), 12));
}

TEST(Recalculation, IndexesOutOfRangeChangeNothingAndCallNoView) {
    const LightingModel before = StartUpValues();
    for (int q : {-1, 23, 255}) {
        LightingModel model = before;
        TypingView view(model, kLuminousIntensity, 1);
        Recalculate(model, view, q);
        EXPECT_TRUE(SameModel(model, before)) << q;
        EXPECT_EQ(view.calls, "") << q;
    }
}

} // namespace
