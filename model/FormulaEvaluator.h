#ifndef LUMETRIX_MODEL_FORMULAEVALUATOR_H
#define LUMETRIX_MODEL_FORMULAEVALUATOR_H

#include "model/ValueStore.h"

// Solves formula `formula` (0 to 8) for its member `quantity`: reads the other members'
// values from the store and overwrites value[quantity], nothing else. A formula index out of
// range, or a quantity that is not a member of the formula, changes nothing.
void SolveFormula(ValueStore& store, int formula, int quantity);

// Formula 7 never asks for more lamps than this, even for a flux of zero.
constexpr double kMostLampsCounted = 1e8;

#endif
