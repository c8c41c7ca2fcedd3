#include "model/LightingModel.h"

void InitLightingModel(LightingModel& model) {
    ClearFormulaNetwork(model.network);
    LoadDefaults(model.store);
    BuildFormulaNetwork(model.network, model.store);
}
