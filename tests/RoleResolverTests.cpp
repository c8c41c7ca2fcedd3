#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Quantities = std::vector<int>;

const Quantities kStartUpGiven = {1, 3, 6, 8, 10, 11, 12, 14, 16, 17, 18, 20, 21};
const Quantities kStartUpComputed = {0, 2, 4, 5, 7, 9, 13, 15, 19};

void Toggle(LightingModel& model, std::initializer_list<int> quantities) {
    NoView view;
    for (int q : quantities) {
        Resolve(model, view, q);
    }
}

TEST(RoleResolution, StartUpTogglesLeaveNineComputedAndNoneFree) {
    const LightingModel model = StartUpRoles();
    EXPECT_EQ(GivenQuantities(model.store), kStartUpGiven);
    EXPECT_EQ(ComputedQuantities(model.store), kStartUpComputed);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(model.store.changeStamp[kInitiallyGiven[i]], static_cast<std::uint32_t>(i + 1));
    }
    EXPECT_EQ(model.store.stampCounter, 13u);
}

TEST(RoleResolution, TickingIlluminanceUnticksTheOlderLuminousFlux) {
    LightingModel model = StartUpRoles();
    Toggle(model, {2});
    EXPECT_EQ(GivenQuantities(model.store),
              (Quantities{2, 3, 6, 8, 10, 11, 12, 14, 16, 17, 18, 20, 21}));
    EXPECT_EQ(ComputedQuantities(model.store), (Quantities{0, 1, 4, 5, 7, 9, 13, 15, 19}));
    EXPECT_EQ(model.store.changeStamp[2], 14u);
    EXPECT_EQ(model.store.changeStamp[1], 1u); // unticking by a conflict keeps the stamp
}

TEST(RoleResolution, UntickingLuminousFluxLeavesItsDependentsFree) {
    LightingModel model = StartUpRoles();
    Toggle(model, {1});
    EXPECT_EQ(GivenQuantities(model.store),
              (Quantities{3, 6, 8, 10, 11, 12, 14, 16, 17, 18, 20, 21}));
    EXPECT_EQ(ComputedQuantities(model.store), (Quantities{4, 5, 7, 13}));
    EXPECT_EQ(model.store.changeStamp[1], 14u); // unticking by the user refreshes the stamp
}

TEST(RoleResolution, TickingAMemberOfAFullyGivenFormulaUnticksTheOlderOne) {
    LightingModel model = StartUpRoles();
    Toggle(model, {4}); // solid angle, while the beam angle is ticked
    EXPECT_NE(model.store.given[4], 0u);
    EXPECT_EQ(model.store.given[3], 0u);
    EXPECT_NE(model.store.computed[3], 0u);
    EXPECT_EQ(model.store.computed[4], 0u);
}

TEST(RoleResolution, TogglingTwiceRestoresTheFlagsButNotTheStamps) {
    LightingModel model = StartUpRoles();
    Toggle(model, {3, 3});
    EXPECT_EQ(GivenQuantities(model.store), kStartUpGiven);
    EXPECT_EQ(ComputedQuantities(model.store), kStartUpComputed);
    EXPECT_EQ(model.store.changeStamp[3], 15u);

    // Ticking the diameter over-determines formula 0 (beam angle, height, diameter). At
    // start-up the beam angle is its oldest member; after the double toggle the height is.
    LightingModel fresh = StartUpRoles();
    Toggle(fresh, {7});
    EXPECT_EQ(fresh.store.given[3], 0u);
    EXPECT_NE(fresh.store.given[6], 0u);
    Toggle(model, {7});
    EXPECT_NE(model.store.given[3], 0u);
    EXPECT_EQ(model.store.given[6], 0u);
    EXPECT_NE(model.store.computed[6], 0u);
}

TEST(RoleResolution, TickingLuminousFluxCanUntickSeveralOlderBoxes) {
    LightingModel model = StartUpRoles();
    Toggle(model, {2, 9, 0, 19});
    EXPECT_EQ(GivenQuantities(model.store),
              (Quantities{0, 2, 6, 9, 10, 11, 12, 14, 16, 17, 18, 19, 20, 21}));
    // Luminous flux reaches formula 4 through the solid angle and formula 7 through the
    // operating hours; each conflict unticks its oldest box: the illuminance, then the room.
    Toggle(model, {1});
    EXPECT_EQ(GivenQuantities(model.store),
              (Quantities{0, 1, 6, 9, 11, 12, 14, 16, 17, 18, 19, 20, 21}));
    EXPECT_EQ(ComputedQuantities(model.store), (Quantities{2, 3, 4, 5, 7, 8, 10, 13, 15}));
}

TEST(RoleResolution, UntickingEverythingLeavesEveryQuantityFree) {
    LightingModel model = StartUpRoles();
    for (int q : kInitiallyGiven) {
        Toggle(model, {q});
    }
    EXPECT_TRUE(GivenQuantities(model.store).empty());
    EXPECT_TRUE(ComputedQuantities(model.store).empty());
}

// Records the calls the solver makes and what the store held at each of them.
class RecordingView final : public SolverView {
public:
    explicit RecordingView(const LightingModel& model) : m_model(model) {}
    void ReadFields() override { Record('R'); }
    void WriteFields() override { Record('W'); }
    void ShowRoles() override { Record('S'); }

    std::string calls;
    std::vector<ValueStore> seen;

private:
    void Record(char call) {
        calls += call;
        seen.push_back(m_model.store);
    }
    const LightingModel& m_model;
};

TEST(RoleResolution, ReadsTheFieldsFirstAndShowsTheRolesLast) {
    LightingModel model = StartUpRoles();
    RecordingView view(model);
    Resolve(model, view, 2);
    ASSERT_EQ(view.calls, "RS");
    EXPECT_EQ(view.seen[0].stampCounter, 13u);
    EXPECT_EQ(view.seen[0].given[2], 0u);
    EXPECT_TRUE(SameStore(view.seen[1], model.store));
}

TEST(RoleResolution, IndexesOutOfRangeChangeNothingAndCallNoView) {
    const LightingModel before = StartUpRoles();
    for (int p : {-1, 22, 255}) {
        LightingModel model = before;
        RecordingView view(model);
        Resolve(model, view, p);
        EXPECT_TRUE(SameModel(model, before)) << p;
        EXPECT_EQ(view.calls, "") << p;
    }
}

} // namespace
