#ifndef LUMETRIX_SUPPORT_DOUBLEBITS_H
#define LUMETRIX_SUPPORT_DOUBLEBITS_H

#include <cstdint>
#include <cstring>

// The maths functions' look at a double's IEEE 754 bits.

inline std::uint64_t BitsOf(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

inline double FromBits(std::uint64_t bits) {
    double x = 0.0;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// The biased exponent: 0 for zeros and subnormal numbers, 2047 for infinities and NaNs.
inline int ExponentField(double x) {
    return static_cast<int>((BitsOf(x) >> 52) & 0x7FF);
}

// The sign bit: true for -0 too.
inline bool IsNegative(double x) {
    return BitsOf(x) >> 63 != 0;
}

inline bool IsNan(double x) {
    return x != x;
}

inline bool IsInfinite(double x) {
    return (BitsOf(x) & ~(std::uint64_t{1} << 63)) == std::uint64_t{0x7FF} << 52;
}

inline double Magnitude(double x) {
    return FromBits(BitsOf(x) & ~(std::uint64_t{1} << 63));
}

// 2^exponent, for the exponents of normal numbers (-1022 to 1023).
inline double PowerOfTwo(int exponent) {
    return FromBits(static_cast<std::uint64_t>(exponent + 1023) << 52);
}

#endif
