#include "solver/RoleResolver.h"

#include <cstdint>

namespace {

// Up to one entry per quantity.
struct QuantityList {
    std::uint8_t entry[kQuantityCount];
    std::uint32_t count;
};

void Append(QuantityList& list, int q) {
    list.entry[list.count++] = static_cast<std::uint8_t>(q);
}

void ToggleGiven(ValueStore& store, int p) {
    ++store.stampCounter;
    store.changeStamp[p] = store.stampCounter;
    store.given[p] = store.given[p] == 0 ? 1 : 0;
}

bool AllMembersGiven(const LightingModel& model, int f) {
    const FormulaNetwork& network = model.network;
    for (std::uint32_t i = 0; i < network.MemberCount[f]; ++i) {
        if (model.store.given[network.FormulaMembers[f][i]] == 0) {
            return false;
        }
    }
    return true;
}

// The member with the smallest stamp; on equal stamps the heavier member, which comes first.
int OldestMember(const LightingModel& model, int f) {
    const std::uint8_t* members = model.network.FormulaMembers[f];
    const std::uint32_t* stamp = model.store.changeStamp;
    int oldest = members[0];
    for (std::uint32_t i = 1; i < model.network.MemberCount[f]; ++i) {
        if (stamp[members[i]] < stamp[oldest]) {
            oldest = members[i];
        }
    }
    return oldest;
}

// The oldest members of all fully given formulas, each listed once, in formula order.
QuantityList OverDeterminedCandidates(const LightingModel& model) {
    QuantityList candidates{};
    bool listed[kQuantityCount] = {};
    for (int f = 0; f < kFormulaCount; ++f) {
        if (!AllMembersGiven(model, f)) {
            continue;
        }
        int oldest = OldestMember(model, f);
        if (!listed[oldest]) {
            listed[oldest] = true;
            Append(candidates, oldest);
        }
    }
    return candidates;
}

// The last candidate not toggled just now; the box just toggled loses only when every
// candidate is that box.
int CandidateToUntick(const ValueStore& store, const QuantityList& candidates) {
    int chosen = candidates.entry[0];
    for (std::uint32_t i = 0; i < candidates.count; ++i) {
        if (store.changeStamp[candidates.entry[i]] < store.stampCounter) {
            chosen = candidates.entry[i];
        }
    }
    return chosen;
}

// Phase 1: no formula may have all of its members given.
void UntickOverDetermined(LightingModel& model) {
    for (;;) {
        QuantityList candidates = OverDeterminedCandidates(model);
        if (candidates.count == 0) {
            return;
        }
        model.store.given[CandidateToUntick(model.store, candidates)] = 0;
    }
}

bool IsKnown(const ValueStore& store, int q) {
    return store.given[q] != 0 || store.computed[q] != 0;
}

// How many members of f are neither given nor computed; `open` receives the last of them.
int CountUnknownMembers(const LightingModel& model, int f, int& open) {
    int unknown = 0;
    for (std::uint32_t i = 0; i < model.network.MemberCount[f]; ++i) {
        int q = model.network.FormulaMembers[f][i];
        if (!IsKnown(model.store, q)) {
            ++unknown;
            open = q;
        }
    }
    return unknown;
}

// Marks u computed through formula `start` and follows the consequences: every formula left
// with one unknown member computes it. Returns the members of formulas that turned out
// over-determined, apart from those derived by this propagation itself.
QuantityList Propagate(LightingModel& model, int start, int u) {
    const FormulaNetwork& network = model.network;
    bool formulaVisited[kFormulaCount] = {};
    bool quantityVisited[kQuantityCount] = {};
    QuantityList queue{};
    QuantityList conflicts{};
    formulaVisited[start] = true;
    quantityVisited[u] = true;
    Append(queue, u);
    model.store.computed[u] = 1;
    for (std::uint32_t i = 0; i < queue.count; ++i) {
        int x = queue.entry[i];
        for (std::uint32_t k = 0; k < network.FormulaCount[x]; ++k) {
            int g = network.QuantityFormulas[x][k];
            if (formulaVisited[g]) {
                continue;
            }
            int w = kNoQuantity;
            int unknown = CountUnknownMembers(model, g, w);
            if (unknown == 0) {
                for (std::uint32_t j = 0; j < network.MemberCount[g]; ++j) {
                    int m = network.FormulaMembers[g][j];
                    if (!quantityVisited[m]) {
                        quantityVisited[m] = true;
                        Append(conflicts, m);
                    }
                }
                formulaVisited[g] = true;
            } else if (unknown == 1) {
                model.store.computed[w] = 1;
                if (!quantityVisited[w]) {
                    quantityVisited[w] = true;
                    Append(queue, w);
                }
                formulaVisited[g] = true;
            }
        }
    }
    return conflicts;
}

// The entry with the smallest stamp, the first of equal ones.
int OldestEntry(const ValueStore& store, const QuantityList& list) {
    int oldest = list.entry[0];
    for (std::uint32_t i = 1; i < list.count; ++i) {
        if (store.changeStamp[list.entry[i]] < store.changeStamp[oldest]) {
            oldest = list.entry[i];
        }
    }
    return oldest;
}

void ClearComputed(ValueStore& store) {
    for (auto& flag : store.computed) {
        flag = 0;
    }
}

// One pass over the formulas, starting a propagation from each formula with exactly one
// unknown member. Returns false when a conflict unticked a box and the pass must restart.
bool DeriveComputedOnce(LightingModel& model) {
    for (int f = 0; f < kFormulaCount; ++f) {
        int u = kNoQuantity;
        if (CountUnknownMembers(model, f, u) != 1) {
            continue;
        }
        QuantityList conflicts = Propagate(model, f, u);
        if (conflicts.count > 0) {
            model.store.given[OldestEntry(model.store, conflicts)] = 0;
            return false;
        }
    }
    return true;
}

// Phase 2: every quantity that follows from the given ones becomes computed. Conflict lists
// hold only given quantities (a property of the shipped network), so every restart unticks
// one more box and the loop ends.
void DeriveComputed(LightingModel& model) {
    do {
        ClearComputed(model.store);
    } while (!DeriveComputedOnce(model));
}

} // namespace

void Resolve(LightingModel& model, SolverView& view, int p) {
    if (!IsQuantityIndex(p)) {
        return;
    }
    view.ReadFields();
    ToggleGiven(model.store, p);
    UntickOverDetermined(model);
    DeriveComputed(model);
    view.ShowRoles();
}
