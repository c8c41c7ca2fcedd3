#include "support/RightAngleReduction.h"

#include "support/DoubleBits.h"

#include <cstdint>

namespace {

// The bits of 2/π after the binary point, 32 to a word, most significant first: as many as the
// largest double needs (its exponent decides where the bits that matter begin).
constexpr std::uint32_t kTwoOverPi[] = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561,
    0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484,
    0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B,
    0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046, 0xFC7B6BAB, 0xF0CFBC20, 0x9AF4361D};

constexpr DoubleDouble kHalfPi = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
constexpr double kQuarterPi = 0x1.921fb54442d18p-1;

// 256 bits of 2/π take part: a double's 53 bits times them leave over 190 exact bits of the
// fraction, where the closest double to a multiple of π/2 needs about 62 before its first 1.
constexpr int kWindowWords = 8;
constexpr int kProductLimbs = kWindowWords + 2;

// A whole number in 32-bit limbs, least significant first.
struct Limbs {
    std::uint32_t limb[kProductLimbs] = {};
};

void AddAt(Limbs& number, int index, std::uint64_t value) {
    for (; value != 0 && index < kProductLimbs; ++index) {
        const std::uint64_t sum = number.limb[index] + (value & 0xFFFFFFFFu);
        number.limb[index] = static_cast<std::uint32_t>(sum);
        value = (value >> 32) + (sum >> 32);
    }
}

int BitAt(const Limbs& number, int index) {
    if (index < 0) {
        return 0;
    }
    return static_cast<int>(number.limb[index / 32] >> (index % 32)) & 1;
}

// `count` bits (at most 53) from bit `lowest` on, as a whole number.
std::uint64_t BitsAt(const Limbs& number, int lowest, int count) {
    std::uint64_t bits = 0;
    for (int i = count - 1; i >= 0; --i) {
        bits = bits << 1 | static_cast<std::uint64_t>(BitAt(number, lowest + i));
    }
    return bits;
}

void Negate(Limbs& number) {
    for (std::uint32_t& limb : number.limb) {
        limb = ~limb;
    }
    AddAt(number, 0, 1);
}

// The bits of 2/π from bit `skipped` + 1 on, as a whole number of kWindowWords words.
Limbs TwoOverPiWindow(int skipped) {
    const int word = skipped / 32;
    const int shift = skipped % 32;
    Limbs window;
    for (int i = 0; i < kWindowWords; ++i) {
        const int from = word + kWindowWords - 1 - i;
        std::uint32_t bits = kTwoOverPi[from] << shift;
        if (shift != 0) {
            bits |= kTwoOverPi[from + 1] >> (32 - shift);
        }
        window.limb[i] = bits;
    }
    return window;
}

Limbs Multiply(std::uint64_t significand, const Limbs& window) {
    Limbs product;
    const std::uint64_t low = significand & 0xFFFFFFFFu;
    const std::uint64_t high = significand >> 32;
    for (int i = 0; i < kWindowWords; ++i) {
        AddAt(product, i, low * window.limb[i]);
        AddAt(product, i + 1, high * window.limb[i]);
    }
    return product;
}

} // namespace

RightAngleReduction ReduceByRightAngles(double x) {
    const bool negative = x < 0;
    if ((negative ? -x : x) <= kQuarterPi) {
        return {0, Exactly(x)};
    }
    const std::uint64_t bits = BitsOf(x);
    // |x| = significand · 2^exponent, a normal number.
    const std::uint64_t significand = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1}
                                                                                    << 52;
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF) - 1075;

    // The bits of 2/π before bit `skipped` + 1 add whole multiples of 4 to |x| · 2/π, which
    // change neither the quadrant nor the fraction.
    const int skipped = exponent > 2 ? exponent - 2 : 0;
    Limbs product = Multiply(significand, TwoOverPiWindow(skipped));
    const int fractionBits = 32 * kWindowWords + skipped - exponent;

    int quadrant = BitAt(product, fractionBits) | BitAt(product, fractionBits + 1) << 1;
    // A fraction of a half or more belongs to the next quadrant, from which it lies below.
    const bool fromNext = BitAt(product, fractionBits - 1) != 0;
    if (fromNext) {
        quadrant = (quadrant + 1) & 3;
        Negate(product);
    }
    int highest = fractionBits - 1;
    while (highest > 0 && BitAt(product, highest) == 0) {
        --highest;
    }
    const double hi = static_cast<double>(BitsAt(product, highest - 52, 53)) *
                      PowerOfTwo(highest - 52 - fractionBits);
    const double lo = static_cast<double>(BitsAt(product, highest - 105, 53)) *
                      PowerOfTwo(highest - 105 - fractionBits);
    DoubleDouble remainder = FastTwoSum(hi, lo) * kHalfPi;
    if (fromNext != negative) {
        remainder = -remainder;
    }
    return {negative ? (4 - quadrant) & 3 : quadrant, remainder};
}
