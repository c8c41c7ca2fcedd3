// The exponential, the natural logarithm, powers and the square root, in double-double:
// exp(x) = 2^m · 2^(j/32) · exp(r) with |r| <= ln 2 / 64, and log(2^e · m) = e · ln 2 + log(c)
// + 2 atanh((m - c) / (m + c)) with c the nearest 32nd to m; tables hold 2^(j/32) and log(c).
#include "support/DoubleBits.h"
#include "support/Maths.h"
#include "support/PowerSeries.h"

#include <cmath>
#include <limits>

namespace {

// 2^(j/32) for j from 0 to 31, to 106 bits.
constexpr DoubleDouble kPowersOfTwo[] = {
    {0x1.0000000000000p+0, 0.0},
    {0x1.059b0d3158574p+0, 0x1.d73e2a475b465p-55},
    {0x1.0b5586cf9890fp+0, 0x1.8a62e4adc610bp-54},
    {0x1.11301d0125b51p+0, -0x1.6c51039449b3ap-54},
    {0x1.172b83c7d517bp+0, -0x1.19041b9d78a76p-55},
    {0x1.1d4873168b9aap+0, 0x1.e016e00a2643cp-54},
    {0x1.2387a6e756238p+0, 0x1.9b07eb6c70573p-54},
    {0x1.29e9df51fdee1p+0, 0x1.612e8afad1255p-55},
    {0x1.306fe0a31b715p+0, 0x1.6f46ad23182e4p-55},
    {0x1.371a7373aa9cbp+0, -0x1.63aeabf42eae2p-54},
    {0x1.3dea64c123422p+0, 0x1.ada0911f09ebcp-55},
    {0x1.44e086061892dp+0, 0x1.89b7a04ef80d0p-59},
    {0x1.4bfdad5362a27p+0, 0x1.d4397afec42e2p-56},
    {0x1.5342b569d4f82p+0, -0x1.07abe1db13cadp-55},
    {0x1.5ab07dd485429p+0, 0x1.6324c054647adp-54},
    {0x1.6247eb03a5585p+0, -0x1.383c17e40b497p-54},
    {0x1.6a09e667f3bcdp+0, -0x1.bdd3413b26456p-54},
    {0x1.71f75e8ec5f74p+0, -0x1.16e4786887a99p-55},
    {0x1.7a11473eb0187p+0, -0x1.41577ee04992fp-55},
    {0x1.82589994cce13p+0, -0x1.d4c1dd41532d8p-54},
    {0x1.8ace5422aa0dbp+0, 0x1.6e9f156864b27p-54},
    {0x1.93737b0cdc5e5p+0, -0x1.75fc781b57ebcp-57},
    {0x1.9c49182a3f090p+0, 0x1.c7c46b071f2bep-56},
    {0x1.a5503b23e255dp+0, -0x1.d2f6edb8d41e1p-54},
    {0x1.ae89f995ad3adp+0, 0x1.7a1cd345dcc81p-54},
    {0x1.b7f76f2fb5e47p+0, -0x1.5584f7e54ac3bp-56},
    {0x1.c199bdd85529cp+0, 0x1.11065895048ddp-55},
    {0x1.cb720dcef9069p+0, 0x1.503cbd1e949dbp-56},
    {0x1.d5818dcfba487p+0, 0x1.2ed02d75b3707p-55},
    {0x1.dfc97337b9b5fp+0, -0x1.1a5cd4f184b5cp-54},
    {0x1.ea4afa2a490dap+0, -0x1.e9c23179c2893p-54},
    {0x1.f50765b6e4540p+0, 0x1.9d3e12dd8a18bp-54},
};

// log(j/32) for j from 23 to 45, to 106 bits.
constexpr int kFirstLogarithm = 23;
constexpr DoubleDouble kLogarithms[] = {
    {-0x1.522ae0738a3d8p-2, 0x1.8f7e9b38a6979p-57},
    {-0x1.269621134db92p-2, -0x1.e0efadd9db02bp-56},
    {-0x1.f991c6cb3b379p-3, -0x1.f665066f980a2p-57},
    {-0x1.a93ed3c8ad9e3p-3, -0x1.bcafa9de97203p-57},
    {-0x1.5bf406b543db2p-3, 0x1.1f5b44c0df7e7p-61},
    {-0x1.1178e8227e47cp-3, 0x1.0e63a5f01c691p-58},
    {-0x1.9335e5d594989p-4, 0x1.478a85704ccb7p-58},
    {-0x1.08598b59e3a07p-4, 0x1.dd7009902bf32p-58},
    {-0x1.0415d89e74444p-5, -0x1.c05cf1d753622p-59},
    {0.0, 0.0},
    {0x1.f829b0e783300p-6, 0x1.33e3f04f1ef23p-60},
    {0x1.f0a30c01162a6p-5, 0x1.85f325c5bbacdp-59},
    {0x1.6f0d28ae56b4cp-4, -0x1.906d99184b992p-58},
    {0x1.e27076e2af2e6p-4, -0x1.61578001e0162p-60},
    {0x1.29552f81ff523p-3, 0x1.301771c407dbfp-57},
    {0x1.5ff3070a793d4p-3, -0x1.bc60efafc6f6ep-58},
    {0x1.9525a9cf456b4p-3, 0x1.d904c1d4e2e26p-57},
    {0x1.c8ff7c79a9a22p-3, -0x1.4f689f8434012p-57},
    {0x1.fb9186d5e3e2bp-3, -0x1.caaae64f21acbp-57},
    {0x1.1675cababa60ep-2, 0x1.ce63eab883717p-61},
    {0x1.2e8e2bae11d31p-2, -0x1.8f4cdb95ebdf9p-56},
    {0x1.4618bc21c5ec2p-2, 0x1.f42decdeccf1dp-56},
    {0x1.5d1bdbf5809cap-2, 0x1.4236383dc7fe1p-56},
};

constexpr DoubleDouble kLn2 = {0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};
constexpr DoubleDouble kLn2Over32 = {0x1.62e42fefa39efp-6, 0x1.abc9e3b39803fp-61};
constexpr double k32OverLn2 = 0x1.71547652b82fep+5;
constexpr double kRootTwo = 0x1.6a09e667f3bcdp+0;

// Up to r^12/12!, the first term below 2^-106 of the sum for |r| <= ln 2 / 64; from r^7/7! on,
// the terms lie below 2^-53 of it.
constexpr auto kExpSeries = FactorialSeries<13>(1.0, 1, 0);
constexpr std::size_t kFirstSmallExpTerm = 7;
// Up to t^17/17, the first term below 2^-106 of the sum for |t| <= 1/88; from t^9/9 on, the
// terms lie below 2^-53 of it.
constexpr auto kAtanhSeries = OddReciprocalSeries<9>(1.0);
constexpr std::size_t kFirstSmallAtanhTerm = 4;

// Beyond these, exp overflows to infinity and underflows to zero.
constexpr double kLargestExponent = 709.79;
constexpr double kSmallestExponent = -745.2;

// (v.hi + v.lo) · 2^m for 1/2 <= v.hi <= 2 and m from -1076 to 1024, rounded once. 2^m comes in
// two factors, each a normal number, so that only the second product rounds. Where that
// product is subnormal, v.hi alone may lie exactly halfway between two of its neighbours; v.lo
// then decides the way.
double TimesPowerOfTwo(DoubleDouble v, int m) {
    const int first = m / 2;
    const double exact = v.hi * PowerOfTwo(first);
    double product = exact * PowerOfTwo(m - first);
    if (m >= -1021 || v.lo == 0) {
        return product; // normal, or no doubt about the way
    }
    // What the rounding took off, and half a subnormal's unit, both as `exact` counts them.
    const double roundedAway = exact - product * PowerOfTwo(first - m);
    const double halfway = PowerOfTwo(first - m - 1075);
    if (Magnitude(roundedAway) == halfway && (roundedAway > 0) == (v.lo > 0)) {
        product += v.lo > 0 ? 0x1p-1074 : -0x1p-1074;
    }
    return product;
}

// exp(x) for kSmallestExponent <= x.hi <= kLargestExponent.
double ExpOf(DoubleDouble x) {
    const double scaled = x.hi * k32OverLn2;
    const int steps = static_cast<int>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
    const int j = steps & 31;
    const int m = (steps - j) / 32;
    // r = x - steps · ln 2 / 32, where x.hi - steps · kLn2Over32.hi is exact.
    const DoubleDouble step = TwoProduct(steps, kLn2Over32.hi);
    const DoubleDouble r = Exactly(x.hi - step.hi) + (x.lo - step.lo) + -(steps * kLn2Over32.lo);
    return TimesPowerOfTwo(kPowersOfTwo[j] * SumSeries(kExpSeries, r, kFirstSmallExpTerm), m);
}

// log(x) for a finite x > 0.
DoubleDouble LogOf(double x) {
    int exponent = 0;
    if (ExponentField(x) == 0) {
        x *= 0x1p54; // subnormal: make it normal
        exponent = -54;
    }
    exponent += ExponentField(x) - 1023;
    double m = FromBits((BitsOf(x) & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1023} << 52);
    if (m > kRootTwo) {
        m *= 0.5;
        ++exponent;
    }
    const int thirtySeconds = static_cast<int>(m * 32 + 0.5);
    const double nearest = thirtySeconds / 32.0;
    // m - nearest is exact: both are multiples of 2^-53 and lie within 1/64 of each other.
    const DoubleDouble t = Exactly(m - nearest) / TwoSum(m, nearest);
    const DoubleDouble atanh = t * SumSeries(kAtanhSeries, t * t, kFirstSmallAtanhTerm);
    return kLn2 * static_cast<double>(exponent) + kLogarithms[thirtySeconds - kFirstLogarithm] +
           atanh * 2.0;
}

bool IsWhole(double y) {
    const int field = ExponentField(y);
    if (field >= 1075) {
        return true; // no bits below 1, or an infinity or NaN (excluded by the callers)
    }
    if (field < 1023) {
        return y == 0;
    }
    const std::uint64_t fractionBits = (std::uint64_t{1} << (1075 - field)) - 1;
    return (BitsOf(y) & fractionBits) == 0;
}

bool IsOddWhole(double y) {
    const int field = ExponentField(y);
    if (field < 1023 || field > 1075 || !IsWhole(y)) {
        return false;
    }
    const std::uint64_t significand =
        (BitsOf(y) & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
    return ((significand >> (1075 - field)) & 1) != 0;
}

// pow(x, y) for x of ±0 or ±infinity, y neither 0 nor NaN.
double PowerOfZeroOrInfinity(double x, double y) {
    const bool odd = IsOddWhole(y);
    const bool large = IsInfinite(x) == (y > 0);
    const double magnitude = large ? std::numeric_limits<double>::infinity() : 0.0;
    return odd && IsNegative(x) ? -magnitude : magnitude;
}

// pow(x, ±infinity) for x not NaN.
double PowerOfInfiniteExponent(double x, double y) {
    const double a = Magnitude(x);
    if (a == 1) {
        return 1.0;
    }
    return (a > 1) == (y > 0) ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

namespace maths {

double Exp(double x) {
    if (IsNan(x)) {
        return x;
    }
    if (x > kLargestExponent) {
        return std::numeric_limits<double>::infinity();
    }
    if (x < kSmallestExponent) {
        return 0.0;
    }
    return ExpOf(Exactly(x));
}

double Log(double x) {
    if (IsNan(x)) {
        return x;
    }
    if (x < 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (x == 0) {
        return -std::numeric_limits<double>::infinity();
    }
    if (IsInfinite(x)) {
        return x;
    }
    return LogOf(x).hi;
}

double Pow(double x, double y) {
    if (y == 0 || x == 1) {
        return 1.0;
    }
    if (IsNan(x)) {
        return x;
    }
    if (IsNan(y)) {
        return y;
    }
    if (IsInfinite(y)) {
        return PowerOfInfiniteExponent(x, y);
    }
    if (x == 0 || IsInfinite(x)) {
        return PowerOfZeroOrInfinity(x, y);
    }
    if (x < 0 && !IsWhole(y)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double sign = x < 0 && IsOddWhole(y) ? -1.0 : 1.0;
    // Beyond 2^64, |y · log|x|| exceeds 2^11 however near |x| lies to 1: the power overflows
    // or underflows (and y is even).
    const double a = Magnitude(x);
    if (a == 1) {
        return sign;
    }
    if (Magnitude(y) > 0x1p64) {
        return (a > 1) == (y > 0) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    const DoubleDouble exponent = LogOf(a) * y;
    if (exponent.hi > kLargestExponent) {
        return sign * std::numeric_limits<double>::infinity();
    }
    if (exponent.hi < kSmallestExponent) {
        return sign * 0.0;
    }
    return sign * ExpOf(exponent);
}

double Sqrt(double x) {
    if (IsNan(x)) {
        return x;
    }
    if (x < 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::sqrt(x);
}

} // namespace maths
