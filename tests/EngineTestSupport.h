#ifndef LUMETRIX_TESTS_ENGINETESTSUPPORT_H
#define LUMETRIX_TESTS_ENGINETESTSUPPORT_H

// Shared helpers for the lighting model and solver tests.

#include "model/LightingModel.h"
#include "solver/Recalculator.h"
#include "solver/RoleResolver.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// The value rounded to `digits` significant digits, for comparing against printed results.
inline std::string Significant(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    return text;
}

// Bitwise equality member by member (a whole-struct compare would also compare padding).
inline bool SameStore(const ValueStore& a, const ValueStore& b) {
    return std::memcmp(a.value, b.value, sizeof a.value) == 0 &&
           std::memcmp(a.given, b.given, sizeof a.given) == 0 &&
           std::memcmp(a.computed, b.computed, sizeof a.computed) == 0 &&
           std::memcmp(a.changeStamp, b.changeStamp, sizeof a.changeStamp) == 0 &&
           a.stampCounter == b.stampCounter;
}

inline bool SameNetwork(const FormulaNetwork& a, const FormulaNetwork& b) {
    return std::memcmp(a.FormulaMembers, b.FormulaMembers, sizeof a.FormulaMembers) == 0 &&
           std::memcmp(a.MemberCount, b.MemberCount, sizeof a.MemberCount) == 0 &&
           std::memcmp(a.QuantityFormulas, b.QuantityFormulas, sizeof a.QuantityFormulas) == 0 &&
           std::memcmp(a.FormulaCount, b.FormulaCount, sizeof a.FormulaCount) == 0;
}

inline bool SameModel(const LightingModel& a, const LightingModel& b) {
    return SameStore(a.store, b.store) && SameNetwork(a.network, b.network);
}

// The model after the start-up toggles of the initially given quantities.
inline LightingModel StartUpRoles() {
    LightingModel model;
    InitLightingModel(model);
    NoView view;
    for (int q : kInitiallyGiven) {
        Resolve(model, view, q);
    }
    return model;
}

// The start-up model after recalculating every quantity that is not computed, in index order.
inline LightingModel StartUpValues() {
    LightingModel model = StartUpRoles();
    NoView view;
    for (int q = 0; q < kQuantityCount; ++q) {
        if (model.store.computed[q] == 0) {
            Recalculate(model, view, q);
        }
    }
    return model;
}

inline std::vector<int> GivenQuantities(const ValueStore& store) {
    std::vector<int> given;
    for (int q = 0; q < kQuantityCount; ++q) {
        if (store.given[q] != 0) {
            given.push_back(q);
        }
    }
    return given;
}

inline std::vector<int> ComputedQuantities(const ValueStore& store) {
    std::vector<int> computed;
    for (int q = 0; q < kQuantityCount; ++q) {
        if (store.computed[q] != 0) {
            computed.push_back(q);
        }
    }
    return computed;
}

#endif
