#ifndef LUMETRIX_SOLVER_RECALCULATOR_H
#define LUMETRIX_SOLVER_RECALCULATOR_H

#include "model/LightingModel.h"
#include "solver/SolverView.h"

// The answer to a new value of quantity q: clamps q to its limits, then evaluates formulas
// until everything that follows from the given quantities and q is up to date, forcing the
// best-ranked formula where the network is under-determined. Flags are never changed.
// A q outside 0 to 22 does nothing.
// The model must have been set up by InitLightingModel.
void Recalculate(LightingModel& model, SolverView& view, int q);

#endif
