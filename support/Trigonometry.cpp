// Sine, cosine and tangent: the argument is reduced to a quadrant and a remainder r of at most
// π/4 (support/RightAngleReduction.h), whose sine and cosine their Taylor series give in
// double-double.
#include "support/DoubleBits.h"
#include "support/Maths.h"
#include "support/PowerSeries.h"
#include "support/RightAngleReduction.h"

#include <limits>

namespace {

// Up to r^29/29! and r^30/30!, the first terms below 2^-106 of the sum for |r| <= π/4; from
// r^17/17! and r^16/16! on, the terms lie below 2^-53 of it.
constexpr auto kSinSeries = FactorialSeries<15>(-1.0, 2, 1);
constexpr auto kCosSeries = FactorialSeries<16>(-1.0, 2, 0);
constexpr std::size_t kFirstSmallTerm = 8;

// Below this, sin x and tan x round to x and cos x to 1.
constexpr double kTiny = 0x1p-27;

struct SineAndCosine {
    DoubleDouble sine;
    DoubleDouble cosine;
};

SineAndCosine OfRemainder(DoubleDouble r) {
    const DoubleDouble square = r * r;
    return {r * SumSeries(kSinSeries, square, kFirstSmallTerm),
            SumSeries(kCosSeries, square, kFirstSmallTerm)};
}

// sin(quadrant · π/2 + r).
double SineInQuadrant(int quadrant, const SineAndCosine& values) {
    const double value = quadrant % 2 == 0 ? values.sine.hi : values.cosine.hi;
    return quadrant < 2 ? value : -value;
}

// f(x) from the sine and cosine of its remainder in its quadrant; `ofTiny` is f of a tiny x.
template <typename FromQuadrant>
double Trigonometric(double x, double ofTiny, FromQuadrant fromQuadrant) {
    if (IsNan(x)) {
        return x;
    }
    if (IsInfinite(x)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (Magnitude(x) < kTiny) {
        return ofTiny;
    }
    const RightAngleReduction reduced = ReduceByRightAngles(x);
    return fromQuadrant(reduced.quadrant, OfRemainder(reduced.remainder));
}

} // namespace

namespace maths {

double Sin(double x) {
    return Trigonometric(x, x, SineInQuadrant);
}

double Cos(double x) {
    return Trigonometric(x, 1.0, [](int quadrant, const SineAndCosine& values) {
        return SineInQuadrant((quadrant + 1) & 3, values);
    });
}

double Tan(double x) {
    return Trigonometric(x, x, [](int quadrant, const SineAndCosine& values) {
        if (quadrant % 2 == 0) {
            return (values.sine / values.cosine).hi;
        }
        return -(values.cosine / values.sine).hi;
    });
}

} // namespace maths
