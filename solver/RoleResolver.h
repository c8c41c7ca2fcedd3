#ifndef LUMETRIX_SOLVER_ROLERESOLVER_H
#define LUMETRIX_SOLVER_ROLERESOLVER_H

#include "model/LightingModel.h"
#include "solver/SolverView.h"

// The answer to ticking or unticking the box of quantity p: flips p's given flag, unticks the
// boxes ticked longest ago until the given quantities no longer over-determine any formula,
// and marks every quantity that follows from them as computed. Values are not recomputed.
// A p outside 0 to 22 does nothing.
// The model must have been set up by InitLightingModel.
void Resolve(LightingModel& model, SolverView& view, int p);

#endif
