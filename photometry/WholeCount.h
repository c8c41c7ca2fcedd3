#ifndef LUMETRIX_PHOTOMETRY_WHOLECOUNT_H
#define LUMETRIX_PHOTOMETRY_WHOLECOUNT_H

#include <cmath>

// The whole number of things (lamps, grid points) that a computed count asks for: the count
// rounded up, where a count above a whole number by no more than rounding errors (a part in
// 10^9) is that whole number.
inline double WholeCountFor(double count) {
    constexpr double kRoundingSlack = 1e-9;
    return std::ceil(count * (1 - kRoundingSlack));
}

#endif
