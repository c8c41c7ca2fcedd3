#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr double kDegree = 3.141592653589793 / 180;

TEST(Recalculation, StartUpShowsTheDocumentedValues) {
    const LightingModel model = StartUpValues();
    const double* value = model.store.value;
    EXPECT_EQ(Significant(value[0], 6), Significant(3251.81, 6));
    EXPECT_EQ(Significant(value[2], 6), Significant(482.412, 6));
    EXPECT_EQ(Significant(value[4], 6), Significant(0.307521, 6));
    EXPECT_EQ(Significant(value[5], 6), Significant(2.07292, 6));
    EXPECT_EQ(Significant(value[7], 5), Significant(1.6246, 5));
    EXPECT_EQ(value[9], 50);
    EXPECT_EQ(value[13], 1500);
    EXPECT_EQ(Significant(value[15], 6), Significant(17.8571, 6));
    EXPECT_EQ(Significant(value[19], 6), Significant(128.571, 6));
}

TEST(Recalculation, StartUpMatchesTheFormulasToTenDigits) {
    const LightingModel model = StartUpValues();
    const double* value = model.store.value;
    EXPECT_EQ(Significant(value[4], 10), Significant(0.3075209777, 10));
    EXPECT_EQ(Significant(value[7], 10), Significant(1.624598481, 10));
    EXPECT_EQ(Significant(value[5], 10), Significant(2.072917257, 10));
    EXPECT_EQ(Significant(value[0], 10), Significant(3251.810681, 10));
    EXPECT_EQ(Significant(value[2], 10), Significant(482.4119228, 10));
    EXPECT_EQ(Significant(value[15], 10), Significant(17.85714286, 10));
    EXPECT_EQ(Significant(value[19], 10), Significant(128.5714286, 10));
}

TEST(Recalculation, FirstStartUpCallSettlesEverythingInOneSweep) {
    LightingModel model = StartUpRoles();
    NoView view;
    Recalculate(model, view, 1);
    const LightingModel settled = StartUpValues();
    EXPECT_TRUE(SameStore(model.store, settled.store));
}

TEST(Recalculation, EditingAGivenQuantityRecomputesTheComputedOnes) {
    LightingModel model = StartUpValues();
    const LightingModel before = model;
    model.store.value[3] = 60;
    NoView view;
    Recalculate(model, view, 3);
    const double* value = model.store.value;
    EXPECT_EQ(value[3], 60);
    const double solidAngle = 2 * 3.141592653589793 * (1 - std::cos(30 * kDegree));
    const double diameter = 2 * 2.5 * std::tan(30 * kDegree);
    const double area = 3.141592653589793 * diameter * diameter / 4;
    EXPECT_EQ(Significant(value[4], 12), Significant(solidAngle, 12));
    EXPECT_EQ(Significant(value[7], 12), Significant(diameter, 12));
    EXPECT_EQ(Significant(value[5], 12), Significant(area, 12));
    EXPECT_EQ(Significant(value[0], 12), Significant(1000 / solidAngle, 12));
    EXPECT_EQ(Significant(value[2], 12), Significant(1000 / area, 12));
    for (int q : kInitiallyGiven) {
        if (q != 3) {
            EXPECT_EQ(value[q], before.store.value[q]) << q;
        }
    }
    // Quantities that do not depend on the beam angle keep their values.
    EXPECT_EQ(value[15], before.store.value[15]);
    EXPECT_EQ(value[19], before.store.value[19]);
}

TEST(Recalculation, ClampsTheEditedQuantityBeforeEvaluating) {
    LightingModel model = StartUpValues();
    model.store.value[3] = 0;
    NoView view;
    Recalculate(model, view, 3);
    EXPECT_EQ(model.store.value[3], 1);
    const double solidAngle = 2 * 3.141592653589793 * (1 - std::cos(0.5 * kDegree));
    EXPECT_EQ(Significant(model.store.value[4], 12), Significant(solidAngle, 12));
}

TEST(Recalculation, ComputedValuesAreNotClampedToTheLimits) {
    LightingModel model = StartUpValues();
    NoView view;
    Resolve(model, view, 4); // the solid angle is ticked, the beam angle becomes computed
    ASSERT_NE(model.store.computed[3], 0u);
    model.store.value[4] = 6;
    Recalculate(model, view, 4);
    const double beamAngle = 2 * std::acos(1 - 6 / (2 * 3.141592653589793)) / kDegree;
    EXPECT_GT(model.store.value[3], 120);
    EXPECT_EQ(Significant(model.store.value[3], 12), Significant(beamAngle, 12));
}

TEST(Recalculation, EditingAFreeQuantityFillsItsFormulasWithoutChangingRoles) {
    LightingModel model = StartUpValues();
    NoView view;
    Resolve(model, view, 1); // luminous flux becomes free
    const LightingModel before = model;
    model.store.value[1] = 2000;
    Recalculate(model, view, 1);
    const double* value = model.store.value;
    EXPECT_EQ(value[1], 2000);
    EXPECT_EQ(Significant(value[0], 12), Significant(2000 / value[4], 12));
    EXPECT_EQ(Significant(value[2], 12), Significant(2000 / value[5], 12));
    EXPECT_EQ(value[9], 100);
    EXPECT_EQ(Significant(value[15], 12), Significant(500.0 * 20 / (2000 * 0.8 * 0.7), 12));
    EXPECT_EQ(model.store.given[1], 0u);
    EXPECT_EQ(model.store.computed[1], 0u);
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
    model.store.value[0] = 2000;
    model.store.value[1] = 1000;
    Recalculate(model, view, 1);
    // Formula 2 (rank 8) goes first and yields the solid angle, its member of least weight,
    // from the luminous intensity; the intensity then follows back unchanged.
    EXPECT_EQ(model.store.value[4], 0.5);
    EXPECT_EQ(model.store.value[0], 2000);
    const double beamAngle = 2 * std::acos(1 - 0.5 / (2 * 3.141592653589793)) / kDegree;
    EXPECT_EQ(Significant(model.store.value[3], 12), Significant(beamAngle, 12));
    // Formula 5 (rank 7, higher index than formula 0) yields the efficacy, its lightest member.
    EXPECT_EQ(model.store.value[9], 1000 / model.store.value[8]);
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
    TypingView view(model, 3, 170);
    Recalculate(model, view, 3);
    EXPECT_EQ(view.calls, "RW");
    EXPECT_EQ(view.written.value[3], 120);
    EXPECT_TRUE(SameStore(view.written, model.store));
    EXPECT_EQ(Significant(model.store.value[7], 12),
              Significant(2 * 2.5 * std::tan(60 * kDegree), 12));
}

TEST(Recalculation, IndexesOutOfRangeChangeNothingAndCallNoView) {
    const LightingModel before = StartUpValues();
    for (int q : {-1, 22, 255}) {
        LightingModel model = before;
        TypingView view(model, 0, 1);
        Recalculate(model, view, q);
        EXPECT_TRUE(SameModel(model, before)) << q;
        EXPECT_EQ(view.calls, "") << q;
    }
}

} // namespace
