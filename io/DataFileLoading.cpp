#include "io/DataFileLoading.h"

#include "solver/Recalculator.h"
#include "solver/RoleResolver.h"

namespace {

// Stores the file's values; unticks the quantities the file does not mark (wantGiven false)
// or ticks those it marks (wantGiven true). Each toggle re-derives all roles, so the flags are
// looked at only when the pass reaches the quantity.
void ToggleTowardsMarks(bool wantGiven, const DataFileContents& contents, LightingModel& model,
                        SolverView& view) {
    ValueStore& store = model.store;
    for (int q = 0; q < kQuantityCount; ++q) {
        if (!contents.present[q]) {
            continue;
        }
        store.value[q] = contents.value[q];
        if (contents.marked[q] == wantGiven && (store.given[q] != 0) != wantGiven) {
            Resolve(model, view, q);
        }
    }
}

} // namespace

void ApplyDataFile(const DataFileContents& contents, LightingModel& model, SolverView& view) {
    ValueStore& store = model.store;
    for (int round = 0; round < 2; ++round) {
        ToggleTowardsMarks(false, contents, model, view);
        ToggleTowardsMarks(true, contents, model, view);
    }
    view.WriteFields();

    for (int q = 0; q < kQuantityCount; ++q) {
        if (contents.present[q] && store.computed[q] == 0) {
            store.value[q] = contents.value[q];
            if (!contents.marked[q]) {
                Recalculate(model, view, q);
            }
        }
    }
    for (int q = 0; q < kQuantityCount; ++q) {
        if (contents.present[q]) {
            store.value[q] = contents.value[q];
            if (contents.marked[q]) {
                Recalculate(model, view, q);
            }
        }
    }
    view.WriteFields();
}
