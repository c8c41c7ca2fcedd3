// Arc tangent, and through it atan2 and arc cosine: a ratio of at most 1 is brought
// near the nearest sixteenth c, whose arc tangent a table holds, by
// atan(u) = atan(c) + atan((u - c) / (1 + u·c)); the rest, at most 1/32, goes through the
// Taylor series, all in double-double.
#include "support/DoubleBits.h"
#include "support/Maths.h"
#include "support/PowerSeries.h"

#include <limits>

namespace {

// atan(j/16) for j from 0 to 16, to 106 bits.
constexpr DoubleDouble kAtanOfSixteenths[] = {
    {0.0, 0.0},
    {0x1.ff55bb72cfdeap-5, -0x1.c934d86d23f1dp-60},
    {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59},
    {0x1.7b97b4bce5b02p-3, 0x1.347b0b4f881cap-58},
    {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},
    {0x1.362773707ebccp-2, -0x1.963a544b672d8p-57},
    {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56},
    {0x1.a64eec3cc23fdp-2, -0x1.24dec1b50b7ffp-56},
    {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},
    {0x1.0657e94db30d0p-1, -0x1.d5b495f6349e6p-56},
    {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58},
    {0x1.345f01cce37bbp-1, 0x1.1021137c71102p-55},
    {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},
    {0x1.5d58987169b18p-1, 0x1.0028e4bc5e7cap-57},
    {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56},
    {0x1.819d0b7158a4dp-1, -0x1.bf76229d3b917p-56},
    {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55},
};

// π and π/2 to twice a double's precision.
constexpr DoubleDouble kPiTwoParts = {0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53};
constexpr DoubleDouble kHalfPi = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};

// Up to t^23/23, the first term below 2^-106 of the sum for |t| <= 1/32; from t^13/13 on, the
// terms lie below 2^-53 of it.
constexpr auto kAtanSeries = OddReciprocalSeries<12>(-1.0);
constexpr std::size_t kFirstSmallTerm = 6;

// Below this, atan x rounds to x; above its inverse, atan x rounds to ±π/2.
constexpr double kTiny = 0x1p-27;
constexpr double kHuge = 0x1p60;
// Below this, a ratio's arc tangent rounds as the ratio itself would, wherever it lies.
constexpr double kTinyRatio = 0x1p-60;

// atan(u) for 0 <= u <= 1.
DoubleDouble AtanOfFraction(DoubleDouble u) {
    const int sixteenths = static_cast<int>(u.hi * 16 + 0.5);
    const double nearest = sixteenths / 16.0;
    const DoubleDouble t = (u + -nearest) / (u * nearest + 1.0);
    return kAtanOfSixteenths[sixteenths] + t * SumSeries(kAtanSeries, t * t, kFirstSmallTerm);
}

// atan(y / x) for y, x >= 0, not both 0, neither beyond 2^995.
DoubleDouble AtanOfRatio(DoubleDouble y, DoubleDouble x) {
    if (y.hi <= x.hi) {
        return AtanOfFraction(y / x);
    }
    return kHalfPi - AtanOfFraction(x / y);
}

// atan(y / x) for finite y, x > 0. A ratio below kTinyRatio is its own arc tangent; otherwise both
// are scaled alike to put the larger near 1, where double-double products neither overflow nor
// underflow.
DoubleDouble AtanOfFiniteRatio(double y, double x) {
    const bool steep = y > x;
    const double larger = steep ? y : x;
    const double smaller = steep ? x : y;
    const double ratio = smaller / larger;
    DoubleDouble angle = Exactly(ratio);
    if (ratio >= kTinyRatio) {
        const int exponent = 1023 - ExponentField(larger);
        const double scale = PowerOfTwo(exponent < -1022 ? -1022 : exponent);
        angle = AtanOfFraction(Exactly(smaller * scale) / Exactly(larger * scale));
    }
    return steep ? kHalfPi - angle : angle;
}

// √(1 - a²) for 0 <= a <= 1: 1 - a² as (1 - a)(1 + a) where 1 - a is exact, then one Newton
// step from the double square root.
DoubleDouble RootOfOneMinusSquare(double a) {
    const DoubleDouble square =
        a >= 0.5 ? TwoSum(1.0, a) * (1.0 - a) : Exactly(1.0) - TwoProduct(a, a);
    const double root = maths::Sqrt(square.hi);
    if (root == 0.0) {
        return Exactly(0.0);
    }
    const DoubleDouble remainder = square - TwoProduct(root, root);
    return FastTwoSum(root, remainder.hi / (2 * root));
}

// atan(u) for 0 <= u <= 1 in plain double arithmetic: through the nearest sixteenth as above,
// the rest, at most 1/32, by the series up to t^11/11, whose next term lies below 2^-64 of it.
double QuickAtanOfFraction(double u) {
    const int sixteenths = static_cast<int>(u * 16 + 0.5);
    const double nearest = sixteenths / 16.0;
    const double t = (u - nearest) / (u * nearest + 1.0);
    const double tt = t * t;
    const double series =
        t * (1 + tt * (-1.0 / 3 + tt * (1.0 / 5 + tt * (-1.0 / 7 + tt * (1.0 / 9 - tt / 11)))));
    return kAtanOfSixteenths[sixteenths].hi + (kAtanOfSixteenths[sixteenths].lo + series);
}

double WithSignOf(double sign, double magnitude) {
    return IsNegative(sign) ? -magnitude : magnitude;
}

} // namespace

namespace maths {

double Atan(double x) {
    if (IsNan(x)) {
        return x;
    }
    const double a = Magnitude(x);
    if (a < kTiny) {
        return x;
    }
    if (a > kHuge) {
        return WithSignOf(x, kHalfPi.hi);
    }
    return WithSignOf(x, AtanOfRatio(Exactly(a), Exactly(1.0)).hi);
}

double Atan2(double y, double x) {
    if (IsNan(y)) {
        return y;
    }
    if (IsNan(x)) {
        return x;
    }
    const bool left = IsNegative(x);
    const double ya = Magnitude(y);
    const double xa = Magnitude(x);
    DoubleDouble angle;
    if (ya == 0) {
        angle = left ? kPiTwoParts : Exactly(0.0);
    } else if (IsInfinite(ya)) {
        angle = IsInfinite(xa) ? (left ? kPiTwoParts * 0.75 : kPiTwoParts * 0.25) : kHalfPi;
    } else if (IsInfinite(xa)) {
        angle = left ? kPiTwoParts : Exactly(0.0);
    } else if (xa == 0) {
        angle = kHalfPi;
    } else {
        angle = AtanOfFiniteRatio(ya, xa);
        if (left) {
            angle = kPiTwoParts - angle;
        }
    }
    return WithSignOf(y, angle.hi);
}

double QuickAtan2(double y, double x) {
    const double ya = Magnitude(y);
    const double xa = Magnitude(x);
    if (!(ya < kHuge && xa < kHuge) || (ya == 0 && xa == 0)) {
        return Atan2(y, x);
    }
    double angle = 0.0;
    if (ya > xa) {
        angle = (kHalfPi.hi - QuickAtanOfFraction(xa / ya)) + kHalfPi.lo;
    } else {
        angle = QuickAtanOfFraction(ya / xa);
    }
    if (IsNegative(x)) {
        angle = (kPiTwoParts.hi - angle) + kPiTwoParts.lo;
    }
    return WithSignOf(y, angle);
}

double Acos(double x) {
    if (IsNan(x)) {
        return x;
    }
    const double a = Magnitude(x);
    if (a > 1) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const DoubleDouble angle = AtanOfRatio(RootOfOneMinusSquare(a), Exactly(a));
    return x < 0 ? (kPiTwoParts - angle).hi : angle.hi;
}

} // namespace maths
