#ifndef LUMETRIX_MODEL_VALUESTORE_H
#define LUMETRIX_MODEL_VALUESTORE_H

#include "model/Quantity.h"

#include <cstdint>

// The current state of every quantity. A quantity is given (its box is ticked), computed (its
// field is derived and read-only) or free (neither); only role resolution sets the flags.
struct ValueStore {
    double value[kQuantityCount];
    std::uint32_t given[kQuantityCount];
    std::uint32_t computed[kQuantityCount];
    std::uint32_t changeStamp[kQuantityCount]; // stamp counter when given was last toggled
    std::uint32_t stampCounter;
};

// Zeroes every value, flag and stamp, then puts in the catalogue defaults.
void LoadDefaults(ValueStore& store);

// Brings value[q] up to the lower limit, then down to the upper limit; limits that are
// kNoLimit are skipped. A q outside 0 to 22 does nothing.
void Clamp(ValueStore& store, int q);

#endif
