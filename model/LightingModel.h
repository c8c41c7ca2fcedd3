#ifndef LUMETRIX_MODEL_LIGHTINGMODEL_H
#define LUMETRIX_MODEL_LIGHTINGMODEL_H

#include "model/FormulaNetwork.h"
#include "model/ValueStore.h"

// Everything the solver works on: the values and roles, and the formula network's tables.
struct LightingModel {
    ValueStore store;
    FormulaNetwork network;
};

// Start-up state: empty index tables, default values, then the built network (which also
// settles the two-member formulas in the defaults). No quantity has a role yet.
void InitLightingModel(LightingModel& model);

#endif
