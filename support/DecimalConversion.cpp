#include "support/DecimalConversion.h"

#include "support/Digits.h"
#include "support/DoubleBits.h"
#include "support/WholeNumber.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace {

// Beyond this many significant digits only whether any further digit is not 0 can change the
// rounding: a double and the halfway points between doubles have at most 767 of them.
constexpr std::size_t kMostDigits = 800;
// Exponents beyond this decide alone, whatever the digits.
constexpr long long kExponentLimit = 100000000;

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether the text from `p` on begins with `word` (lower case), whatever the case.
bool StartsWith(const char* p, const char* last, const char* word) {
    for (; *word != '\0'; ++p, ++word) {
        if (p == last || Lower(*p) != *word) {
            return false;
        }
    }
    return true;
}

// inf, infinity, nan or nan(letters, digits and underscores), after an optional minus sign.
std::from_chars_result InfinityOrNan(const char* first, const char* last, double& value) {
    const char* p = first;
    const bool negative = p != last && *p == '-';
    p += negative ? 1 : 0;
    double magnitude = 0;
    if (StartsWith(p, last, "nan")) {
        magnitude = std::numeric_limits<double>::quiet_NaN();
        p += 3;
        if (p != last && *p == '(') {
            const char* q = p + 1;
            while (q != last &&
                   (IsDigit(*q) || (Lower(*q) >= 'a' && Lower(*q) <= 'z') || *q == '_')) {
                ++q;
            }
            if (q != last && *q == ')') {
                p = q + 1;
            }
        }
    } else if (StartsWith(p, last, "inf")) {
        magnitude = std::numeric_limits<double>::infinity();
        p += StartsWith(p, last, "infinity") ? 8 : 3;
    } else {
        return {first, std::errc::invalid_argument};
    }
    value = negative ? -magnitude : magnitude;
    return {p, std::errc()};
}

// A decimal number: digits × 10^exponent, the digits without leading zeros.
struct Decimal {
    std::string digits;
    long long exponent = 0;
    bool moreDigits = false; // digits beyond kMostDigits, not all 0
};

void AddDigit(Decimal& decimal, char digit, bool fraction) {
    if (decimal.digits.empty() && digit == '0') {
        decimal.exponent -= fraction ? 1 : 0;
    } else if (decimal.digits.size() < kMostDigits) {
        decimal.digits += digit;
        decimal.exponent -= fraction ? 1 : 0;
    } else {
        decimal.moreDigits = decimal.moreDigits || digit != '0';
        decimal.exponent += fraction ? 0 : 1;
    }
}

constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// q · 2^exponent for a whole q up to 2^53 and an exponent from -1074 to 971: exact, or an
// infinity.
double Scaled(std::uint64_t q, int exponent) {
    const double whole = static_cast<double>(q);
    if (exponent < -1022) {
        return whole * PowerOfTwo(exponent + 64) * PowerOfTwo(-64);
    }
    return whole * PowerOfTwo(exponent);
}

// a / b · 2^twos rounded to the nearest double, ties to even, subnormals and overflow included.
double RoundedQuotient(WholeNumber a, WholeNumber b, long long twos) {
    // 2^e <= a / b < 2^(e + 1)
    long long e = a.BitLength() - b.BitLength();
    WholeNumber shifted = e >= 0 ? b : a;
    shifted.ShiftLeft(static_cast<int>(e >= 0 ? e : -e));
    if (e >= 0 ? Compare(a, shifted) < 0 : Compare(shifted, b) < 0) {
        --e;
    }
    e += twos;
    if (e > 1023) {
        return std::numeric_limits<double>::infinity();
    }
    if (e < -1076) {
        return 0.0;
    }
    // The unit of the last place, and the quotient counted in it (below 2^53).
    const long long unit = e - 52 > -1074 ? e - 52 : -1074;
    const long long shift = twos - unit;
    if (shift > 0) {
        a.ShiftLeft(static_cast<int>(shift));
    } else {
        b.ShiftLeft(static_cast<int>(-shift));
    }
    std::uint64_t q = 0;
    for (int bit = 53; bit >= 0; --bit) {
        WholeNumber part = b;
        part.ShiftLeft(bit);
        if (Compare(a, part) >= 0) {
            a.Subtract(part);
            q |= std::uint64_t{1} << bit;
        }
    }
    a.ShiftLeft(1);
    const int half = Compare(a, b);
    if (half > 0 || (half == 0 && q % 2 == 1)) {
        ++q;
    }
    return Scaled(q, static_cast<int>(unit));
}

// The decimal rounded to the nearest double.
double Rounded(const Decimal& decimal) {
    std::string digits = decimal.digits;
    long long exponent = decimal.exponent;
    if (decimal.moreDigits) {
        digits += '1'; // any digit beyond the halfway points' last will do
        --exponent;
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    // digits · 10^exponent lies between 10^(magnitude - 1) and 10^magnitude.
    const long long magnitude = static_cast<long long>(digits.size()) + exponent;
    if (magnitude > 310) {
        return std::numeric_limits<double>::infinity();
    }
    if (magnitude < -330) {
        return 0.0;
    }
    WholeNumber whole;
    for (char digit : digits) {
        whole.MultiplyAdd(10, static_cast<std::uint32_t>(digit - '0'));
    }
    if (digits.size() <= 15 && exponent >= -22 && exponent <= 22) {
        // Both exact doubles: one rounding, the correct one.
        const double exact = static_cast<double>(whole.Low64());
        return exponent < 0 ? exact / kExactPowersOfTen[-exponent]
                            : exact * kExactPowersOfTen[exponent];
    }
    // digits · 10^exponent = digits · 5^exponent · 2^exponent
    WholeNumber divisor(1);
    if (exponent >= 0) {
        whole.MultiplyByPowerOfFive(static_cast<int>(exponent));
    } else {
        divisor.MultiplyByPowerOfFive(static_cast<int>(-exponent));
    }
    return RoundedQuotient(whole, divisor, exponent);
}

// The decimal digits of the exact value |x| = digits · 10^-decimals of a finite x.
struct ExactDecimal {
    std::string digits; // "0" for zero
    int decimals = 0;
};

ExactDecimal ExactDigits(double x) {
    const std::uint64_t bits = BitsOf(x);
    const int field = ExponentField(x);
    std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
    if (field != 0) {
        significand |= std::uint64_t{1} << 52;
    }
    const int exponent = (field == 0 ? 1 : field) - 1075;
    WholeNumber whole(significand);
    ExactDecimal exact;
    if (exponent >= 0) {
        whole.ShiftLeft(exponent);
    } else {
        whole.MultiplyByPowerOfFive(-exponent); // x · 10^-exponent
        exact.decimals = -exponent;
    }
    std::string reversed;
    do {
        std::uint32_t part = whole.DivideSmall(1000000000);
        for (int i = 0; i < 9 && (part != 0 || !whole.IsZero()); ++i, part /= 10) {
            reversed += static_cast<char>('0' + part % 10);
        }
    } while (!whole.IsZero());
    exact.digits.assign(reversed.rbegin(), reversed.rend());
    if (exact.digits.empty()) {
        exact.digits = "0";
    }
    return exact;
}

// Keeps the first `keep` digits (none for 0 or fewer), rounded half to even by the rest; a carry
// out of the first digit makes the text one digit longer.
std::string RoundedDigits(const std::string& digits, long long keep) {
    if (keep >= static_cast<long long>(digits.size())) {
        return digits;
    }
    if (keep < 0) {
        return "";
    }
    std::string kept = digits.substr(0, static_cast<std::size_t>(keep));
    const char first = digits[static_cast<std::size_t>(keep)];
    const bool restNonZero = digits.find_first_not_of('0', keep + 1) != std::string::npos;
    const bool lastOdd = !kept.empty() && (kept.back() - '0') % 2 == 1;
    if (first > '5' || (first == '5' && (restNonZero || lastOdd))) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') {
            kept[--i] = '0';
        }
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    return kept;
}

std::string Fixed(const ExactDecimal& exact, int precision) {
    // The value in units of 10^-precision.
    std::string units;
    if (exact.decimals > precision) {
        const long long drop = exact.decimals - precision;
        units = RoundedDigits(exact.digits, static_cast<long long>(exact.digits.size()) - drop);
    } else {
        units =
            exact.digits + std::string(static_cast<std::size_t>(precision - exact.decimals), '0');
    }
    if (units.size() <= static_cast<std::size_t>(precision)) {
        units.insert(0, static_cast<std::size_t>(precision) + 1 - units.size(), '0');
    }
    const std::size_t whole = units.size() - static_cast<std::size_t>(precision);
    std::string text = units.substr(0, whole);
    if (precision > 0) {
        text += '.' + units.substr(whole);
    }
    return text;
}

std::string Scientific(const ExactDecimal& exact, int precision) {
    long long exponent = 0;
    std::string digits = "0";
    if (exact.digits != "0") {
        exponent = static_cast<long long>(exact.digits.size()) - 1 - exact.decimals;
        digits = RoundedDigits(exact.digits, precision + 1);
        if (digits.size() > static_cast<std::size_t>(precision) + 1) {
            digits.pop_back(); // 9.99 rounded up to 10.0
            ++exponent;
        }
    }
    digits.resize(static_cast<std::size_t>(precision) + 1, '0');
    std::string text = digits.substr(0, 1);
    if (precision > 0) {
        text += '.' + digits.substr(1);
    }
    const long long magnitude = exponent < 0 ? -exponent : exponent;
    text += exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) {
        text += '0';
    }
    return text + std::to_string(magnitude);
}

} // namespace

std::from_chars_result OwnDoubleFromChars(const char* first, const char* last, double& value) {
    const char* p = first;
    const bool negative = p != last && *p == '-';
    p += negative ? 1 : 0;
    Decimal decimal;
    std::size_t digitCount = 0;
    for (; p != last && IsDigit(*p); ++p, ++digitCount) {
        AddDigit(decimal, *p, false);
    }
    if (p != last && *p == '.') {
        for (++p; p != last && IsDigit(*p); ++p, ++digitCount) {
            AddDigit(decimal, *p, true);
        }
    }
    if (digitCount == 0) {
        return InfinityOrNan(first, last, value);
    }
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        const bool negativeExponent = q != last && *q == '-';
        q += q != last && (*q == '-' || *q == '+') ? 1 : 0;
        if (q != last && IsDigit(*q)) {
            long long exponent = 0;
            for (; q != last && IsDigit(*q); ++q) {
                if (exponent < kExponentLimit) {
                    exponent = exponent * 10 + (*q - '0');
                }
            }
            decimal.exponent += negativeExponent ? -exponent : exponent;
            p = q;
        }
    }
    if (decimal.digits.empty()) {
        value = negative ? -0.0 : 0.0;
        return {p, std::errc()};
    }
    const double magnitude = Rounded(decimal);
    if (magnitude == 0 || IsInfinite(magnitude)) {
        return {p, std::errc::result_out_of_range};
    }
    value = negative ? -magnitude : magnitude;
    return {p, std::errc()};
}

std::to_chars_result OwnDoubleToChars(char* first, char* last, double value,
                                      std::chars_format format, int precision) {
    std::string text = IsNegative(value) ? "-" : "";
    if (IsNan(value)) {
        text += "nan";
    } else if (IsInfinite(value)) {
        text += "inf";
    } else if (format == std::chars_format::fixed) {
        text += Fixed(ExactDigits(value), precision);
    } else {
        text += Scientific(ExactDigits(value), precision);
    }
    if (text.size() > static_cast<std::size_t>(last - first)) {
        return {last, std::errc::value_too_large};
    }
    return {std::copy(text.begin(), text.end(), first), std::errc()};
}
