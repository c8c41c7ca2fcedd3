#include "ui/NumericText.h"

#include "support/Blanks.h"
#include "support/Digits.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

namespace {

const std::uint32_t kPowersOfTen[10] = {1,      10,      100,      1000,      10000,
                                        100000, 1000000, 10000000, 100000000, 1000000000};

constexpr std::int64_t kLargestScaled = std::numeric_limits<std::int64_t>::max();
constexpr double kTwoToThe63 = 9223372036854775808.0;

// magnitude * factor exactly, as the sum high + low (Dekker's product).
void ExactProduct(double magnitude, double factor, double& high, double& low) {
    const auto split = [](double x, double& upper, double& lower) {
        const double spread = 134217729.0 * x; // 2^27 + 1
        upper = spread - (spread - x);
        lower = x - upper;
    };
    double mUpper, mLower, fUpper, fLower;
    split(magnitude, mUpper, mLower);
    split(factor, fUpper, fLower);
    high = magnitude * factor;
    low = ((mUpper * fUpper - high) + mUpper * fLower + mLower * fUpper) + mLower * fLower;
}

// The magnitude times 10^decimals, rounded by adding 0.4999999 and truncated. The product is
// taken exactly: rounded to a double first, it could cross the rounding threshold, and for large
// values a field would then show a little more each time it is read and written again.
// A magnitude whose scaled value does not fit a signed 64-bit integer (infinity included)
// saturates at the largest that does, so the field shows the biggest number it can hold with
// the value's sign, and reading that text back gives a finite value of the same sign and order.
std::uint64_t ScaledMagnitude(double magnitude, int decimals) {
    if (magnitude * kPowersOfTen[decimals] + 0.4999999 >= kTwoToThe63) {
        return kLargestScaled;
    }
    double high, low;
    ExactProduct(magnitude, kPowersOfTen[decimals], high, low);
    // high is below 2^63 and the exact product differs from it by at most half its spacing,
    // so the sum stays inside the 64-bit range; low may be negative.
    const double whole = std::floor(high);
    const double rest = (high - whole) + low + 0.4999999;
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(whole) +
                                      static_cast<std::int64_t>(std::floor(rest)));
}

// Writes number in decimal digits with the blanks between groups, and returns the end.
char* WriteGroupedDigits(std::uint64_t number, char* out) {
    char digits[kFieldTextSize];
    int length = 0;
    do {
        digits[length++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number != 0);
    for (int i = 0; i < length / 2; ++i) {
        std::swap(digits[i], digits[length - 1 - i]);
    }
    // Up to 15 digits this groups in threes; longer runs keep their leading digits together.
    for (int groupEnd : {12, 9, 6, 3}) {
        if (length > groupEnd) {
            const int at = length - groupEnd;
            std::memmove(digits + at + 1, digits + at, groupEnd);
            digits[at] = ' ';
            ++length;
        }
    }
    std::memcpy(out, digits, length);
    return out + length;
}

// Writes fraction as exactly decimals digits, with leading zeros, and returns the end.
char* WriteFraction(std::uint64_t fraction, int decimals, char* out) {
    for (int i = decimals - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    return out + decimals;
}

// accumulator * 10 + digit, held at the largest 64-bit value instead of wrapping round, so a
// text with more digits than any field shows still reads as a huge number, never a small one.
std::int64_t AppendDigit(std::int64_t accumulator, int digit) {
    if (accumulator > (kLargestScaled - digit) / 10) {
        return kLargestScaled;
    }
    return accumulator * 10 + digit;
}

} // namespace

int ClampDecimals(int decimals) {
    if (decimals > 9) {
        return 9;
    }
    return decimals < 0 ? 0 : decimals;
}

void FormatFieldValue(double value, int decimals, char* text) {
    const int d = ClampDecimals(decimals);
    char* out = text;
    if (value < 0) {
        *out++ = '-';
    }
    // A NaN has no magnitude to show; it shows as zero, which is also what reading the text
    // gives, so field and value store agree again after the next read.
    const std::uint64_t scaled = std::isnan(value) ? 0 : ScaledMagnitude(std::fabs(value), d);
    out = WriteGroupedDigits(scaled / kPowersOfTen[d], out);
    if (d > 0) {
        *out++ = '.';
        out = WriteFraction(scaled % kPowersOfTen[d], d, out);
    }
    *out = '\0';
}

double ParseFieldValue(const char* text, int decimals) {
    const int d = ClampDecimals(decimals);
    const char* const end = text + strnlen(text, kFieldTextSize - 1);

    const char* p = text;
    std::int64_t whole = 0;
    bool negative = false;
    for (; p != end; ++p) {
        if (IsBlank(*p)) {
            continue;
        }
        if (*p == '-' && !negative) {
            negative = true;
            continue;
        }
        if (!IsDigit(*p)) {
            break;
        }
        whole = AppendDigit(whole, *p - '0');
    }

    std::int64_t fraction = 0;
    int k = 0;
    if (p != end && (*p == '.' || *p == ',')) {
        for (++p; p != end && k < d; ++p) {
            if (IsBlank(*p)) {
                continue;
            }
            if (!IsDigit(*p)) {
                break;
            }
            fraction = fraction * 10 + (*p - '0');
            ++k;
        }
    }

    const double value =
        static_cast<double>(whole) + static_cast<double>(fraction) / kPowersOfTen[k];
    return negative ? -value : value;
}
