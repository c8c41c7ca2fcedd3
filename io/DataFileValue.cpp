#include "io/DataFileValue.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kFieldWidth = 18;
constexpr double kRoundingBias = 0.499999999999e-6;

// Decimal digits of a whole double of any size, exactly: the mantissa is doubled in base 10^9
// limbs as often as the exponent asks.
std::string WholeNumberDigits(double whole) {
    if (whole < 18446744073709551616.0) {
        return std::to_string(static_cast<std::uint64_t>(whole));
    }
    int exponent = 0;
    const double mantissa = std::frexp(whole, &exponent); // whole = mantissa * 2^exponent
    std::uint64_t bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    std::vector<std::uint32_t> limbs; // least significant first, each below 10^9
    while (bits != 0) {
        limbs.push_back(static_cast<std::uint32_t>(bits % 1000000000u));
        bits /= 1000000000u;
    }
    for (int doubling = 0; doubling < exponent - 53; ++doubling) {
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint64_t twice = std::uint64_t{limb} * 2 + carry;
            limb = static_cast<std::uint32_t>(twice % 1000000000u);
            carry = static_cast<std::uint32_t>(twice / 1000000000u);
        }
        if (carry != 0) {
            limbs.push_back(carry);
        }
    }
    std::string digits = std::to_string(limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        digits.append(9 - part.size(), '0').append(part);
    }
    return digits;
}

// floor(fraction * 10^6) without rounding error. The fraction comes from a magnitude of at least
// kRoundingBias > 2^-21, so it is a whole multiple of 2^-73; it is split into a part of 30 bits
// and a rest of 43 bits, each scaled exactly in 64-bit integers.
std::uint32_t FirstSixDecimals(double fraction) {
    const double high = std::floor(std::ldexp(fraction, 30));
    const double low = std::ldexp(std::ldexp(fraction, 30) - high, 43);
    const std::uint64_t highScaled = static_cast<std::uint64_t>(high) * 1000000u;
    const std::uint64_t lowScaled = static_cast<std::uint64_t>(low) * 1000000u;
    return static_cast<std::uint32_t>((highScaled + (lowScaled >> 43)) >> 30);
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

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
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
    const double biased = std::fabs(value) + kRoundingBias;
    const double whole = std::floor(biased);
    const std::string decimals = std::to_string(1000000 + FirstSixDecimals(biased - whole));
    return PadToField(sign + WholeNumberDigits(whole) + "." + decimals.substr(1));
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
    const auto [end, error] = std::from_chars(p, last, magnitude, std::chars_format::general);
    if (error == std::errc::invalid_argument) {
        return 0.0;
    }
    if (error == std::errc::result_out_of_range) {
        magnitude = IsTooLarge(p, end) ? HUGE_VAL : 0.0;
    }
    return negative ? -magnitude : magnitude;
}
