#include "solver/Recalculator.h"

#include "model/FormulaEvaluator.h"

#include <cstdint>

namespace {

enum class FormulaState : std::uint8_t { Open, Pending, Done };

// Working data of one call. A member is open while it is neither given nor touched (settled
// in this call); each quantity is touched, and so queued, at most once.
struct Progress {
    double snapshot[kQuantityCount]; // values right after the clamp
    FormulaState state[kFormulaCount];
    bool touched[kQuantityCount];
    std::uint8_t queue[kQuantityCount]; // quantities whose new value must be propagated
    std::uint32_t queueCount;
};

Progress StartProgress(const ValueStore& store, int q) {
    Progress progress{};
    for (int i = 0; i < kQuantityCount; ++i) {
        progress.snapshot[i] = store.value[i];
    }
    progress.touched[q] = true;
    progress.queue[progress.queueCount++] = static_cast<std::uint8_t>(q);
    return progress;
}

// How many members of f are open; `last` receives the last open member in descending-weight
// order, which is the open member of smallest weight.
int CountOpenMembers(const LightingModel& model, const Progress& progress, int f, int& last) {
    int open = 0;
    for (std::uint32_t i = 0; i < model.network.MemberCount[f]; ++i) {
        int m = model.network.FormulaMembers[f][i];
        if (model.store.given[m] == 0 && !progress.touched[m]) {
            ++open;
            last = m;
        }
    }
    return open;
}

// Solves f for u and settles both. A value that did not change needs no propagation,
// unless the caller forces it.
void Settle(LightingModel& model, Progress& progress, int f, int u, bool alwaysQueue) {
    SolveFormula(model.store, f, u);
    progress.state[f] = FormulaState::Done;
    progress.touched[u] = true;
    if (alwaysQueue || model.store.value[u] != progress.snapshot[u]) {
        progress.queue[progress.queueCount++] = static_cast<std::uint8_t>(u);
    }
}

// Evaluates, in formula order, every formula with exactly one open member, whatever its state.
void Sweep(LightingModel& model, Progress& progress) {
    for (int f = 0; f < kFormulaCount; ++f) {
        int u = kNoQuantity;
        if (CountOpenMembers(model, progress, f, u) == 1) {
            Settle(model, progress, f, u, false);
        }
    }
}

// Examines the formulas of x, in descending weight of x, that are not done yet.
void PropagateFrom(LightingModel& model, Progress& progress, int x) {
    const FormulaNetwork& network = model.network;
    for (std::uint32_t k = 0; k < network.FormulaCount[x]; ++k) {
        int g = network.QuantityFormulas[x][k];
        if (progress.state[g] == FormulaState::Done) {
            continue;
        }
        int u = kNoQuantity;
        int open = CountOpenMembers(model, progress, g, u);
        if (open == 0) {
            progress.state[g] = FormulaState::Done;
        } else if (open == 1) {
            Settle(model, progress, g, u, false);
        } else {
            progress.state[g] = FormulaState::Pending;
        }
    }
}

// The pending formula of highest rank, the higher index on equal rank; -1 when none.
int FormulaToForce(const Progress& progress) {
    int chosen = -1;
    for (int f = 0; f < kFormulaCount; ++f) {
        if (progress.state[f] == FormulaState::Pending &&
            (chosen < 0 || FormulaRank[f] >= FormulaRank[chosen])) {
            chosen = f;
        }
    }
    return chosen;
}

// Settles e for its open member of smallest weight, even though others remain open.
void Force(LightingModel& model, Progress& progress, int e) {
    progress.state[e] = FormulaState::Done;
    int h = kNoQuantity;
    if (CountOpenMembers(model, progress, e, h) > 0) {
        Settle(model, progress, e, h, true);
    }
}

} // namespace

void Recalculate(LightingModel& model, SolverView& view, int q) {
    if (!IsQuantityIndex(q)) {
        return;
    }
    view.ReadFields();
    Clamp(model.store, q);
    Progress progress = StartProgress(model.store, q);
    std::uint32_t position = 0;
    for (;;) {
        Sweep(model, progress);
        PropagateFrom(model, progress, progress.queue[position]);
        ++position;
        if (position < progress.queueCount) {
            continue;
        }
        int e = FormulaToForce(progress);
        if (e < 0) {
            break;
        }
        Force(model, progress, e);
        // Sweep again and look once more at the last entry before moving on to the forced one.
        --position;
    }
    view.WriteFields();
}
