#include "io/DataFileDistribution.h"

#include "support/DecimalConversion.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

constexpr const char* kSymmetryLabel = "Verteilung Symmetrie: ";
constexpr const char* kPlanesLabel = "Verteilung C-Ebenen : ";
constexpr const char* kGammasLabel = "Verteilung Gamma    : ";
constexpr const char* kIntensitiesLabel = "Verteilung cd       : ";
constexpr int kLastSymmetry = static_cast<int>(PlaneSymmetry::Quadrants);

// The digits before the exponent, if any, without the zeros that end their decimals.
std::string WithoutTrailingZeros(std::string digits) {
    if (digits.find('.') != std::string::npos) {
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == '.') {
            digits.pop_back();
        }
    }
    return digits;
}

// As C's "%.17g" writes a finite number: 17 significant digits without the zeros that end them,
// in the fixed form for decimal exponents from -4 to 16 and in the scientific one beyond. Built
// on the fixed and scientific forms, which every build's conversion writes alike.
std::string SeventeenDigits(double value) {
    char scientific[40];
    const std::to_chars_result rounded = DoubleToChars(scientific, scientific + sizeof scientific,
                                                       value, std::chars_format::scientific, 16);
    const std::string text(scientific, rounded.ptr);
    const std::size_t e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    if (exponent < -4 || exponent > 16) {
        return WithoutTrailingZeros(text.substr(0, e)) + text.substr(e);
    }
    char fixed[40];
    const std::to_chars_result written =
        DoubleToChars(fixed, fixed + sizeof fixed, value, std::chars_format::fixed, 16 - exponent);
    return WithoutTrailingZeros(std::string(fixed, written.ptr));
}

std::string NumbersText(const std::vector<double>& numbers) {
    std::string text;
    for (double number : numbers) {
        if (!text.empty()) {
            text += ' ';
        }
        text += SeventeenDigits(number);
    }
    return text;
}

// The numbers after the label up to the line's end; a word that is no number ends them.
std::vector<double> NumbersOf(std::string_view text) {
    std::vector<double> numbers;
    std::size_t start = text.find_first_not_of(' ');
    while (start != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        double number = 0.0;
        const std::from_chars_result read =
            DoubleFromChars(text.data() + start, text.data() + end, number);
        if (read.ec != std::errc() || read.ptr != text.data() + end) {
            break;
        }
        numbers.push_back(number);
        start = text.find_first_not_of(' ', end);
    }
    return numbers;
}

bool StartsWith(const char* line, const char* label) {
    return std::strncmp(line, label, std::strlen(label)) == 0;
}

} // namespace

std::string FormatDistributionLines(const LightDistribution& distribution) {
    return std::string(kSymmetryLabel) + std::to_string(static_cast<int>(distribution.symmetry)) +
           "\n" + kPlanesLabel + NumbersText(distribution.planes) + "\n" + kGammasLabel +
           NumbersText(distribution.gammas) + "\n" + kIntensitiesLabel +
           NumbersText(distribution.intensities) + "\n";
}

bool IsDistributionLine(const char* line) {
    return StartsWith(line, kSymmetryLabel) || StartsWith(line, kPlanesLabel) ||
           StartsWith(line, kGammasLabel) || StartsWith(line, kIntensitiesLabel);
}

void RecogniseDistributionLine(const char* line, DistributionLines& lines) {
    std::string_view rest(line + std::strlen(kSymmetryLabel));
    while (!rest.empty() && (rest.back() == '\n' || rest.back() == '\r')) {
        rest.remove_suffix(1);
    }
    const std::vector<double> numbers = NumbersOf(rest);
    if (StartsWith(line, kSymmetryLabel)) {
        lines.symmetry.reset();
        if (numbers.size() == 1 && numbers[0] >= 0 && numbers[0] <= kLastSymmetry &&
            numbers[0] == static_cast<int>(numbers[0])) {
            lines.symmetry = static_cast<PlaneSymmetry>(static_cast<int>(numbers[0]));
        }
    } else if (StartsWith(line, kPlanesLabel)) {
        lines.distribution.planes = numbers;
    } else if (StartsWith(line, kGammasLabel)) {
        lines.distribution.gammas = numbers;
    } else {
        lines.distribution.intensities = numbers;
    }
}

std::optional<LightDistribution> DistributionOf(const DistributionLines& lines) {
    if (!lines.symmetry || !IsWellFormed(lines.distribution)) {
        return std::nullopt;
    }
    LightDistribution distribution = lines.distribution;
    distribution.symmetry = *lines.symmetry;
    return distribution;
}
