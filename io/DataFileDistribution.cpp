#include "io/DataFileDistribution.h"

#include "support/DecimalConversion.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace {

constexpr const char* kSymmetryLabel = "Verteilung Symmetrie: ";
constexpr const char* kPlanesLabel = "Verteilung C-Ebenen : ";
constexpr const char* kGammasLabel = "Verteilung Gamma    : ";
constexpr const char* kIntensitiesLabel = "Verteilung cd       : ";
constexpr int kLastSymmetry = static_cast<int>(PlaneSymmetry::Quadrants);

std::string NumbersText(const std::vector<double>& numbers) {
    std::string text;
    for (double number : numbers) {
        char written[32];
        const std::to_chars_result end = DoubleToChars(written, written + sizeof written, number,
                                                       std::chars_format::general, 17);
        if (!text.empty()) {
            text += ' ';
        }
        text.append(written, end.ptr);
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
