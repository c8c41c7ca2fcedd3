#ifndef LUMETRIX_IO_DATAFILELOADING_H
#define LUMETRIX_IO_DATAFILELOADING_H

#include "io/DataFileText.h"
#include "model/LightingModel.h"
#include "solver/SolverView.h"

// Brings the model to what a data file holds, through the two solver entry points, so that
// the roles and values follow from the file as if the user had ticked and typed them: four
// passes toggle the given flags toward the file's marks, a field write shows the file's values,
// two passes recalculate from them (unmarked quantities first), and a last field write.
void ApplyDataFile(const DataFileContents& contents, LightingModel& model, SolverView& view);

#endif
