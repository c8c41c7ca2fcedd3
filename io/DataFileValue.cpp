#include "io/DataFileValue.h"

#include "support/DecimalConversion.h"
#include "support/Digits.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kFieldWidth = 18;

// Numbers are worked out exactly in units of 10^-18, where both the value's first 18 decimals
// and the rounding bias 0.499999999999e-6 are whole numbers.
constexpr int kExactDecimals = 18;
constexpr std::uint64_t kRoundingBias = 499999999999; // x 10^-18
constexpr std::uint32_t kLimbBase = 1000000000;
constexpr int kLimbDigits = 9;

// A whole number of any size in base 10^9 limbs, least significant first.
using DecimalLimbs = std::vector<std::uint32_t>;

DecimalLimbs ToLimbs(std::uint64_t number) {
    DecimalLimbs limbs;
    do {
        limbs.push_back(static_cast<std::uint32_t>(number % kLimbBase));
        number /= kLimbBase;
    } while (number != 0);
    return limbs;
}

void MultiplyByPowerOfTwo(DecimalLimbs& limbs, int exponent) {
    while (exponent > 0) {
        const int step = exponent < 32 ? exponent : 32;
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint64_t product = (std::uint64_t{limb} << step) + carry;
            limb = static_cast<std::uint32_t>(product % kLimbBase);
            carry = product / kLimbBase;
        }
        for (; carry != 0; carry /= kLimbBase) {
            limbs.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
        }
        exponent -= step;
    }
}

// Divides by 2^exponent and drops the remainder.
void DivideByPowerOfTwo(DecimalLimbs& limbs, int exponent) {
    while (exponent > 0) {
        const int step = exponent < 32 ? exponent : 32;
        std::uint64_t remainder = 0;
        for (auto limb = limbs.rbegin(); limb != limbs.rend(); ++limb) {
            const std::uint64_t dividend = remainder * kLimbBase + *limb;
            *limb = static_cast<std::uint32_t>(dividend >> step);
            remainder = dividend & ((std::uint64_t{1} << step) - 1);
        }
        exponent -= step;
    }
}

void Add(DecimalLimbs& limbs, std::uint64_t addend) {
    for (std::size_t i = 0; addend != 0; ++i) {
        if (i == limbs.size()) {
            limbs.push_back(0);
        }
        const std::uint64_t sum = limbs[i] + addend;
        limbs[i] = static_cast<std::uint32_t>(sum % kLimbBase);
        addend = sum / kLimbBase;
    }
}

std::string Digits(const DecimalLimbs& limbs) {
    std::size_t top = limbs.size() - 1;
    while (top > 0 && limbs[top] == 0) {
        --top;
    }
    std::string digits = std::to_string(limbs[top]);
    while (top-- > 0) {
        const std::string part = std::to_string(limbs[top]);
        digits.append(kLimbDigits - part.size(), '0').append(part);
    }
    return digits;
}

// floor(magnitude x 10^18) of a finite double, exactly: its binary significand times 10^18,
// shifted by its binary exponent.
DecimalLimbs ExactUnits(double magnitude) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int exponentField = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    // magnitude = significand x 2^exponent; subnormals share the smallest exponent.
    const std::uint64_t significand =
        exponentField == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int exponent = (exponentField == 0 ? 1 : exponentField) - 1075;

    DecimalLimbs units = ToLimbs(significand);
    units.insert(units.begin(), kExactDecimals / kLimbDigits, 0); // x 10^18
    if (exponent >= 0) {
        MultiplyByPowerOfTwo(units, exponent);
    } else {
        DivideByPowerOfTwo(units, -exponent);
    }
    return units;
}

std::string PadToField(std::string text) {
    if (text.size() < kFieldWidth) {
        text.insert(0, kFieldWidth - text.size(), ' ');
    }
    return text;
}

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// For a decimal number that std::from_chars found out of range: whether it is too large
// rather than too small, judged by the decimal exponent of its first significant digit.
bool IsTooLarge(const char* first, const char* last) {
    const char* p = first;
    while (p != last && *p == '0') {
        ++p;
    }
    long leadingExponent = -1;
    for (; p != last && IsDigit(*p); ++p) {
        ++leadingExponent; // whole digits from the first significant one
    }
    if (leadingExponent < 0 && p != last && *p == '.') {
        for (++p; p != last && *p == '0'; ++p) {
            --leadingExponent; // zeros after the point before the first significant digit
        }
    }
    while (p != last && *p != 'e' && *p != 'E') {
        ++p;
    }
    if (p == last) {
        return leadingExponent > 0;
    }
    ++p;
    const bool negativeExponent = *p == '-';
    p += *p == '+' || *p == '-';
    long exponent = 0;
    if (std::from_chars(p, last, exponent).ec == std::errc::result_out_of_range) {
        return !negativeExponent; // an exponent of more digits than a long holds decides alone
    }
    return negativeExponent ? leadingExponent > exponent : leadingExponent + exponent > 0;
}

} // namespace

std::string FormatDataFileValue(double value) {
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) {
        return PadToField(sign + "nan");
    }
    if (std::isinf(value)) {
        return PadToField(sign + "inf");
    }
    // The sum's digits are cut after the sixth decimal: floor(x + b) = floor(x) + b for whole b.
    DecimalLimbs units = ExactUnits(std::fabs(value));
    Add(units, kRoundingBias);
    std::string digits = Digits(units);
    const std::size_t droppedDigits = kExactDecimals - 6;
    if (digits.size() < kExactDecimals + 1) {
        digits.insert(0, kExactDecimals + 1 - digits.size(), '0');
    }
    digits.resize(digits.size() - droppedDigits);
    digits.insert(digits.size() - 6, ".");
    return PadToField(sign + digits);
}

double ParseDataFileNumber(const char* text) {
    const char* p = text;
    while (IsCSpace(*p)) {
        ++p;
    }
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') {
        ++p;
    }
    if (*p == '+' || *p == '-') {
        return 0.0; // from_chars would take a second '-' as the sign
    }
    const char* last = p + std::strlen(p);
    double magnitude = 0.0;
    const auto [end, error] = DoubleFromChars(p, last, magnitude);
    if (error == std::errc::invalid_argument) {
        return 0.0;
    }
    if (error == std::errc::result_out_of_range) {
        magnitude = IsTooLarge(p, end) ? HUGE_VAL : 0.0;
    }
    return negative ? -magnitude : magnitude;
}
