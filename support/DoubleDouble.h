#ifndef LUMETRIX_SUPPORT_DOUBLEDOUBLE_H
#define LUMETRIX_SUPPORT_DOUBLEDOUBLE_H

// A number as the unevaluated sum of two doubles, hi + lo with |lo| at most half a unit in the
// last place of hi: about 106 bits, enough to round the maths functions' results correctly in
// nearly every case. Built from IEEE additions and multiplications alone (no fused
// multiply-add, so the build turns contraction off), the results are the same bits on every
// platform. The operations are constexpr so that tables of exact fractions can be worked out
// by the compiler.

struct DoubleDouble {
    double hi = 0.0;
    double lo = 0.0;
};

// a + b exactly, for any a and b.
constexpr DoubleDouble TwoSum(double a, double b) {
    const double sum = a + b;
    const double bPart = sum - a;
    const double aPart = sum - bPart;
    return {sum, (a - aPart) + (b - bPart)};
}

// a + b exactly, when |a| >= |b| (or a is 0).
constexpr DoubleDouble FastTwoSum(double a, double b) {
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// a = high + low with 26 significant bits each (Dekker's split); |a| below 2^995.
constexpr DoubleDouble Split(double a) {
    const double scaled = 134217729.0 * a; // 2^27 + 1
    const double high = scaled - (scaled - a);
    return {high, a - high};
}

// a × b exactly, for |a| and |b| below 2^995 whose product does not underflow.
constexpr DoubleDouble TwoProduct(double a, double b) {
    const double product = a * b;
    const DoubleDouble x = Split(a);
    const DoubleDouble y = Split(b);
    const double error = ((x.hi * y.hi - product) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo;
    return {product, error};
}

constexpr DoubleDouble operator-(DoubleDouble a) {
    return {-a.hi, -a.lo};
}

constexpr DoubleDouble operator+(DoubleDouble a, DoubleDouble b) {
    DoubleDouble high = TwoSum(a.hi, b.hi);
    const DoubleDouble low = TwoSum(a.lo, b.lo);
    high = FastTwoSum(high.hi, high.lo + low.hi);
    return FastTwoSum(high.hi, high.lo + low.lo);
}

constexpr DoubleDouble operator+(DoubleDouble a, double b) {
    const DoubleDouble sum = TwoSum(a.hi, b);
    return FastTwoSum(sum.hi, sum.lo + a.lo);
}

constexpr DoubleDouble operator-(DoubleDouble a, DoubleDouble b) {
    return a + -b;
}

constexpr DoubleDouble operator*(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble product = TwoProduct(a.hi, b.hi);
    return FastTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}

constexpr DoubleDouble operator*(DoubleDouble a, double b) {
    const DoubleDouble product = TwoProduct(a.hi, b);
    return FastTwoSum(product.hi, product.lo + a.lo * b);
}

// a / b with three quotient digits, each from the remainder the ones before leave.
constexpr DoubleDouble operator/(DoubleDouble a, DoubleDouble b) {
    const double first = a.hi / b.hi;
    DoubleDouble remainder = a - b * first;
    const double second = remainder.hi / b.hi;
    remainder = remainder - b * second;
    const double third = remainder.hi / b.hi;
    const DoubleDouble quotient = FastTwoSum(first, second);
    return quotient + third;
}

constexpr DoubleDouble Exactly(double a) {
    return {a, 0.0};
}

#endif
