// Role resolution: the start-up roles, and which boxes a tick or an untick leaves given,
// computed or free, the older boxes giving way first.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Quantities = std::vector<int>;

const Quantities kStartUpGiven = {kLuminousFlux,   kBeamAngle,        kMountingHeight,
                                  kPower,          kRoomArea,         kHoursPerDay,
                                  kDaysPerYear,    kRoomIlluminance,  kLampLife,
                                  kLampPrice,      kElectricityPrice, kLampEfficiency,
                                  kRoomEfficiency, kMaintenanceFactor};
const Quantities kStartUpComputed = {kLuminousIntensity, kIlluminance, kSolidAngle,
                                     kLitArea,           kLitDiameter, kEfficacy,
                                     kHoursPerYear,      kLampsNeeded, kOperatingCost};

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
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(model.store.changeStamp[kInitiallyGiven[i]], static_cast<std::uint32_t>(i + 1));
    }
    EXPECT_EQ(model.store.stampCounter, 14u);
}

TEST(RoleResolution, TickingIlluminanceUnticksTheOlderLuminousFlux) {
    LightingModel model = StartUpRoles();
    Toggle(model, {kIlluminance});
    EXPECT_EQ(
        GivenQuantities(model.store),
        (Quantities{kIlluminance, kBeamAngle, kMountingHeight, kPower, kRoomArea, kHoursPerDay,
                    kDaysPerYear, kRoomIlluminance, kLampLife, kLampPrice, kElectricityPrice,
                    kLampEfficiency, kRoomEfficiency, kMaintenanceFactor}));
    EXPECT_EQ(ComputedQuantities(model.store),
              (Quantities{kLuminousIntensity, kLuminousFlux, kSolidAngle, kLitArea, kLitDiameter,
                          kEfficacy, kHoursPerYear, kLampsNeeded, kOperatingCost}));
    EXPECT_EQ(model.store.changeStamp[kIlluminance], 15u);
    EXPECT_EQ(model.store.changeStamp[kLuminousFlux],
              1u); // unticking by a conflict keeps the stamp
}

TEST(RoleResolution, UntickingLuminousFluxLeavesItsDependentsFree) {
    LightingModel model = StartUpRoles();
    Toggle(model, {kLuminousFlux});
    EXPECT_EQ(GivenQuantities(model.store),
              (Quantities{kBeamAngle, kMountingHeight, kPower, kRoomArea, kHoursPerDay,
                          kDaysPerYear, kRoomIlluminance, kLampLife, kLampPrice, kElectricityPrice,
                          kLampEfficiency, kRoomEfficiency, kMaintenanceFactor}));
    EXPECT_EQ(ComputedQuantities(model.store),
              (Quantities{kSolidAngle, kLitArea, kLitDiameter, kHoursPerYear}));
    EXPECT_EQ(model.store.changeStamp[kLuminousFlux],
              15u); // unticking by the user refreshes the stamp
}

TEST(RoleResolution, TickingAMemberOfAFullyGivenFormulaUnticksTheOlderOne) {
    LightingModel model = StartUpRoles();
    Toggle(model, {kSolidAngle}); // solid angle, while the beam angle is ticked
    EXPECT_NE(model.store.given[kSolidAngle], 0u);
    EXPECT_EQ(model.store.given[kBeamAngle], 0u);
    EXPECT_NE(model.store.computed[kBeamAngle], 0u);
    EXPECT_EQ(model.store.computed[kSolidAngle], 0u);
}

TEST(RoleResolution, TogglingTwiceRestoresTheFlagsButNotTheStamps) {
    LightingModel model = StartUpRoles();
    Toggle(model, {kBeamAngle, kBeamAngle});
    EXPECT_EQ(GivenQuantities(model.store), kStartUpGiven);
    EXPECT_EQ(ComputedQuantities(model.store), kStartUpComputed);
    EXPECT_EQ(model.store.changeStamp[kBeamAngle], 16u);

    // Ticking the diameter over-determines formula 0 (beam angle, height, diameter). At
    // start-up the beam angle is its oldest member; after the double toggle the height is.
    LightingModel fresh = StartUpRoles();
    Toggle(fresh, {kLitDiameter});
    EXPECT_EQ(fresh.store.given[kBeamAngle], 0u);
    EXPECT_NE(fresh.store.given[kMountingHeight], 0u);
    Toggle(model, {kLitDiameter});
    EXPECT_NE(model.store.given[kBeamAngle], 0u);
    EXPECT_EQ(model.store.given[kMountingHeight], 0u);
    EXPECT_NE(model.store.computed[kMountingHeight], 0u);
}

TEST(RoleResolution, TickingLuminousFluxCanUntickSeveralOlderBoxes) {
    LightingModel model = StartUpRoles();
    Toggle(model, {kIlluminance, kEfficacy, kLuminousIntensity, kOperatingCost});
    EXPECT_EQ(GivenQuantities(model.store),
              (Quantities{kLuminousIntensity, kIlluminance, kMountingHeight, kEfficacy, kRoomArea,
                          kHoursPerDay, kDaysPerYear, kRoomIlluminance, kLampLife, kLampPrice,
                          kElectricityPrice, kOperatingCost, kLampEfficiency, kRoomEfficiency,
                          kMaintenanceFactor}));
    // Luminous flux reaches formula 4 through the solid angle and formula 7 through the
    // operating hours; each conflict unticks its oldest box: the illuminance, then the room.
    Toggle(model, {kLuminousFlux});
    EXPECT_EQ(
        GivenQuantities(model.store),
        (Quantities{kLuminousIntensity, kLuminousFlux, kMountingHeight, kEfficacy, kHoursPerDay,
                    kDaysPerYear, kRoomIlluminance, kLampLife, kLampPrice, kElectricityPrice,
                    kOperatingCost, kLampEfficiency, kRoomEfficiency, kMaintenanceFactor}));
    EXPECT_EQ(ComputedQuantities(model.store),
              (Quantities{kIlluminance, kBeamAngle, kSolidAngle, kLitArea, kLitDiameter, kPower,
                          kRoomArea, kHoursPerYear, kLampsNeeded}));
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
    Resolve(model, view, kIlluminance);
    ASSERT_EQ(view.calls, "RS");
    EXPECT_EQ(view.seen[0].stampCounter, 14u);
    EXPECT_EQ(view.seen[0].given[kIlluminance], 0u);
    EXPECT_TRUE(SameStore(view.seen[1], model.store));
}

TEST(RoleResolution, IndexesOutOfRangeChangeNothingAndCallNoView) {
    const LightingModel before = StartUpRoles();
    for (int p : {-1, 23, 255}) {
        LightingModel model = before;
        RecordingView view(model);
        Resolve(model, view, p);
        EXPECT_TRUE(SameModel(model, before)) << p;
        EXPECT_EQ(view.calls, "") << p;
    }
}

} // namespace
