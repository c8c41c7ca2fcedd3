// Properties of the solver over random and exhaustive sets of ticks: every set ends with
// consistent roles, and recalculation keeps the flags and the given values.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <random>

namespace {

bool IsMember(int q, int f) {
    return FormulaMatrix[q][f] != 0;
}

bool IsKnown(const ValueStore& store, int q) {
    return store.given[q] != 0 || store.computed[q] != 0;
}

// Some formula of q has all of its other members given or computed.
bool FollowsFromKnownMembers(const ValueStore& store, int q) {
    for (int f = 0; f < kFormulaCount; ++f) {
        if (!IsMember(q, f)) {
            continue;
        }
        bool othersKnown = true;
        for (int m = 0; m < kQuantityCount; ++m) {
            if (m != q && IsMember(m, f) && !IsKnown(store, m)) {
                othersKnown = false;
            }
        }
        if (othersKnown) {
            return true;
        }
    }
    return false;
}

bool FullyGiven(const ValueStore& store, int f) {
    for (int m = 0; m < kQuantityCount; ++m) {
        if (IsMember(m, f) && store.given[m] == 0) {
            return false;
        }
    }
    return true;
}

testing::AssertionResult RolesConsistent(const ValueStore& store) {
    for (int f = 0; f < kFormulaCount; ++f) {
        if (FullyGiven(store, f)) {
            return testing::AssertionFailure() << "formula " << f << " is fully given";
        }
    }
    for (int q = 0; q < kQuantityCount; ++q) {
        if (store.given[q] != 0 && store.computed[q] != 0) {
            return testing::AssertionFailure() << q << " is both given and computed";
        }
        if (store.computed[q] != 0 && !FollowsFromKnownMembers(store, q)) {
            return testing::AssertionFailure() << q << " is computed from nothing";
        }
    }
    return testing::AssertionSuccess();
}

constexpr std::uint32_t kSeed = 20240607;

TEST(SolverProperties, RandomTogglesKeepTheRolesConsistent) {
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> quantity(0, kQuantityCount - 1);
    NoView view;
    for (int sequence = 0; sequence < 3000; ++sequence) {
        LightingModel model;
        if (sequence % 2 == 0) {
            InitLightingModel(model);
        } else {
            model = StartUpRoles();
        }
        for (int step = 0; step < 30; ++step) {
            const int p = quantity(random);
            Resolve(model, view, p);
            ASSERT_TRUE(RolesConsistent(model.store))
                << "sequence " << sequence << " step " << step << " toggled " << p;
        }
    }
}

bool OverDetermined(const ValueStore& store) {
    for (int f = 0; f < kFormulaCount; ++f) {
        if (FullyGiven(store, f)) {
            return true;
        }
    }
    return false;
}

TEST(SolverProperties, EverySetOfTicksEndsConsistent) {
    // Whatever boxes are ticked, deriving the roles ends (every conflict unticks a box) and
    // leaves them consistent. Sets that tick a whole formula are left out: resolving first
    // unticks them down to one of the others. The stamps follow the quantity index.
    LightingModel model;
    InitLightingModel(model);
    for (int q = 0; q < kQuantityCount; ++q) {
        model.store.changeStamp[q] = static_cast<std::uint32_t>(q + 1);
    }
    model.store.stampCounter = kQuantityCount;
    NoView view;
    for (std::uint32_t ticks = 0; ticks < (1u << kQuantityCount); ++ticks) {
        LightingModel trial = model;
        for (int q = 0; q < kQuantityCount; ++q) {
            trial.store.given[q] = (ticks >> q) & 1u;
        }
        if (OverDetermined(trial.store)) {
            continue;
        }
        trial.store.given[kLuminousIntensity] ^= 1u; // Resolve toggles it back
        Resolve(trial, view, kLuminousIntensity);
        ASSERT_TRUE(RolesConsistent(trial.store)) << "ticks " << ticks;
    }
}

double RandomValue(std::mt19937& random) {
    const double extremes[] = {
        std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        1e300,
        -1e300,
        0,
        -0.0,
        std::numeric_limits<double>::denorm_min(),
        -5,
    };
    std::uniform_int_distribution<int> pick(0, 2 * static_cast<int>(std::size(extremes)) - 1);
    int choice = pick(random);
    if (choice < static_cast<int>(std::size(extremes))) {
        return extremes[choice];
    }
    return std::uniform_real_distribution<double>(-10, 1e4)(random);
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(SolverProperties, RecalculationKeepsFlagsAndGivenValues) {
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> quantity(0, kQuantityCount - 1);
    NoView view;
    for (int sequence = 0; sequence < 2000; ++sequence) {
        LightingModel model = StartUpValues();
        for (int step = 0; step < 20; ++step) {
            if (step % 4 == 0) {
                Resolve(model, view, quantity(random));
            }
            for (int typed = 0; typed < 3; ++typed) {
                model.store.value[quantity(random)] = RandomValue(random);
            }
            const int q = quantity(random);
            ValueStore expected = model.store;
            Clamp(expected, q);
            Recalculate(model, view, q);
            const ValueStore& store = model.store;
            for (int other = 0; other < kQuantityCount; ++other) {
                if (other == q || expected.given[other] != 0) {
                    ASSERT_TRUE(SameBits(store.value[other], expected.value[other]))
                        << "sequence " << sequence << " step " << step << " q " << q << " changed "
                        << other;
                }
            }
            ASSERT_EQ(std::memcmp(store.given, expected.given, sizeof store.given), 0);
            ASSERT_EQ(std::memcmp(store.computed, expected.computed, sizeof store.computed), 0);
            ASSERT_EQ(
                std::memcmp(store.changeStamp, expected.changeStamp, sizeof store.changeStamp), 0);
            ASSERT_EQ(store.stampCounter, expected.stampCounter);
        }
    }
}

} // namespace
