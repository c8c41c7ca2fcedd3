#ifndef LUMETRIX_SUPPORT_RIGHTANGLEREDUCTION_H
#define LUMETRIX_SUPPORT_RIGHTANGLEREDUCTION_H

#include "support/DoubleDouble.h"

// x = (4n + quadrant) · π/2 + remainder for some whole n, with the remainder between about
// -π/4 and π/4.
struct RightAngleReduction {
    int quadrant = 0; // 0 to 3
    DoubleDouble remainder;
};

// For any finite x, the remainder to about 105 bits, however close x lies to a multiple of
// π/2 and however large it is: x is multiplied exactly, in whole numbers, by the bits of 2/π
// that decide its fraction (Payne and Hanek's method).
RightAngleReduction ReduceByRightAngles(double x);

#endif
