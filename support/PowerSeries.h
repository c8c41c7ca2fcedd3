#ifndef LUMETRIX_SUPPORT_POWERSERIES_H
#define LUMETRIX_SUPPORT_POWERSERIES_H

#include "support/DoubleDouble.h"

#include <array>
#include <cstddef>

// Σ coefficients[n] · z^n by Horner's rule. From term `firstSmall` on, the terms lie below the
// last bit of the sum's leading double, so plain doubles sum them well enough; the others are
// summed in double-double.
template <std::size_t N>
DoubleDouble SumSeries(const std::array<DoubleDouble, N>& coefficients, DoubleDouble z,
                       std::size_t firstSmall) {
    double small = 0.0;
    for (std::size_t n = N; n-- > firstSmall;) {
        small = small * z.hi + coefficients[n].hi;
    }
    DoubleDouble sum = Exactly(small);
    for (std::size_t n = firstSmall; n-- > 0;) {
        sum = sum * z + coefficients[n];
    }
    return sum;
}

// The coefficients sign^n / (step·n + first)!, n from 0: those of the series of exp
// (sign 1, step 1, first 0), sin (-1, 2, 1) and cos (-1, 2, 0).
template <std::size_t N>
constexpr std::array<DoubleDouble, N> FactorialSeries(double sign, int step, int first) {
    std::array<DoubleDouble, N> coefficients{};
    DoubleDouble factorial = Exactly(1.0);
    int factor = 1;
    for (; factor <= first; ++factor) {
        factorial = factorial * static_cast<double>(factor);
    }
    double alternating = 1.0;
    for (std::size_t n = 0; n < N; ++n) {
        if (n > 0) {
            for (int i = 0; i < step; ++i, ++factor) {
                factorial = factorial * static_cast<double>(factor);
            }
        }
        coefficients[n] = Exactly(alternating) / factorial;
        alternating *= sign;
    }
    return coefficients;
}

// The coefficients sign^n / (2n + 1), n from 0: those of the series of atan (sign -1) and
// atanh (sign 1), over the square of the argument.
template <std::size_t N> constexpr std::array<DoubleDouble, N> OddReciprocalSeries(double sign) {
    std::array<DoubleDouble, N> coefficients{};
    double alternating = 1.0;
    for (std::size_t n = 0; n < N; ++n) {
        coefficients[n] = Exactly(alternating) / Exactly(static_cast<double>(2 * n + 1));
        alternating *= sign;
    }
    return coefficients;
}

#endif
