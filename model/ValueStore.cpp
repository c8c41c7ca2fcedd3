#include "model/ValueStore.h"

void LoadDefaults(ValueStore& store) {
    store = ValueStore{};
    for (int q = 0; q < kQuantityCount; ++q) {
        store.value[q] = QuantityAt(q).defaultValue;
    }
}

void Clamp(ValueStore& store, int q) {
    if (!IsQuantityIndex(q)) {
        return;
    }
    const Quantity& quantity = QuantityAt(q);
    double& value = store.value[q];
    if (!IsNoLimit(quantity.lowerLimit) && value < quantity.lowerLimit) {
        value = quantity.lowerLimit;
    }
    if (!IsNoLimit(quantity.upperLimit) && value > quantity.upperLimit) {
        value = quantity.upperLimit;
    }
}
