#include "photometry/IesReader.h"

#include "photometry/PhotometricText.h"
#include "support/Blanks.h"

#include <cctype>
#include <limits>
#include <vector>

namespace {

constexpr int kPhotometricTypeC = 1;

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    if (text.size() < start.size()) {
        return false;
    }
    for (std::size_t i = 0; i < start.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != start[i]) {
            return false;
        }
    }
    return true;
}

// The numbers after the TILT line, separated by blanks or commas.
class NumberStream {
public:
    explicit NumberStream(std::string_view text) : m_rest(text) {}

    std::optional<double> Next() {
        SkipSeparators();
        std::size_t length = 0;
        while (length < m_rest.size() && !IsSeparator(m_rest[length])) {
            ++length;
        }
        if (length == 0) {
            return std::nullopt;
        }
        const std::string_view token = m_rest.substr(0, length);
        m_rest.remove_prefix(length);
        return ParsePhotometricNumber(token, false);
    }
    std::optional<int> Count(int maximum) {
        const std::optional<double> value = Next();
        return value && *value >= 0 && *value <= maximum && static_cast<int>(*value) == *value
                   ? std::optional<int>(static_cast<int>(*value))
                   : std::nullopt;
    }
    bool Skip(long count) {
        for (; count > 0; --count) {
            if (!Next()) {
                return false;
            }
        }
        return true;
    }
    bool Numbers(std::size_t count, std::vector<double>& values) {
        for (; count > 0; --count) {
            const std::optional<double> value = Next();
            if (!value) {
                return false;
            }
            values.push_back(*value);
        }
        return true;
    }
    bool AtEnd() {
        SkipSeparators();
        return m_rest.empty();
    }

private:
    static bool IsSeparator(char c) { return IsBlank(c) || c == ','; }
    void SkipSeparators() {
        while (!m_rest.empty() && IsSeparator(m_rest.front())) {
            m_rest.remove_prefix(1);
        }
    }

    std::string_view m_rest;
};

// The keyword lines up to the TILT line: the name, and what follows the TILT line.
struct IesHeader {
    std::string luminaire;
    std::string catalogueNumber;
    bool tiltIncluded = false;
    std::string_view rest;
};

std::optional<IesHeader> ReadHeader(std::string_view text) {
    LineReader lines(text);
    IesHeader header;
    while (const std::optional<std::string_view> line = lines.Next()) {
        const std::string_view trimmed = TrimBlanks(*line);
        if (StartsWithIgnoringCase(trimmed, "TILT=")) {
            const std::string_view tilt = TrimBlanks(trimmed.substr(5));
            header.tiltIncluded = StartsWithIgnoringCase(tilt, "INCLUDE");
            header.rest = lines.Rest();
            return header;
        }
        if (StartsWithIgnoringCase(trimmed, "[LUMINAIRE]") && header.luminaire.empty()) {
            header.luminaire = std::string(TrimBlanks(trimmed.substr(11)));
        } else if (StartsWithIgnoringCase(trimmed, "[LUMCAT]") && header.catalogueNumber.empty()) {
            header.catalogueNumber = std::string(TrimBlanks(trimmed.substr(8)));
        }
    }
    return std::nullopt;
}

// The symmetry that the first and last horizontal angle stand for.
std::optional<PlaneSymmetry> SymmetryOf(const std::vector<double>& horizontal) {
    const double first = horizontal.front();
    const double last = horizontal.back();
    if (horizontal.size() == 1) {
        return PlaneSymmetry::Rotational;
    }
    if (first == 0.0 && last == 90.0) {
        return PlaneSymmetry::Quadrants;
    }
    if (first == 0.0 && last == 180.0) {
        return PlaneSymmetry::AboutC0C180;
    }
    if (first == 90.0 && last == 270.0) {
        return PlaneSymmetry::AboutC90C270;
    }
    if (first == 0.0 && last > 180.0 && last <= 360.0) {
        return PlaneSymmetry::None;
    }
    return std::nullopt;
}

} // namespace

std::optional<LuminaireData> ReadIes(std::string_view text) {
    const std::optional<IesHeader> header = ReadHeader(text);
    if (!header) {
        return std::nullopt;
    }
    NumberStream numbers(header->rest);
    // Tilt data: lamp-to-luminaire geometry, number of angles, the angles, the factors.
    if (header->tiltIncluded) {
        numbers.Skip(1);
        const int tiltAngles = numbers.Count(std::numeric_limits<int>::max() / 2).value_or(-1);
        if (tiltAngles < 0 || !numbers.Skip(2L * tiltAngles)) {
            return std::nullopt;
        }
    }
    const std::optional<double> lamps = numbers.Next();
    const std::optional<double> lumensPerLamp = numbers.Next();
    const std::optional<double> multiplier = numbers.Next();
    const std::optional<int> verticalCount = numbers.Count(kMaximumGammas);
    const std::optional<int> horizontalCount = numbers.Count(kMaximumPlanes);
    const std::optional<double> type = numbers.Next();
    // Units, the three dimensions, ballast factor, ballast-lamp factor (future use since 2002).
    const bool skipped = numbers.Skip(6);
    const std::optional<double> watts = numbers.Next();
    if (!lamps || !lumensPerLamp || !multiplier || !verticalCount || !horizontalCount ||
        *verticalCount == 0 || *horizontalCount == 0 || type != kPhotometricTypeC || !skipped ||
        !watts) {
        return std::nullopt;
    }
    LuminaireData data;
    LightDistribution& distribution = data.distribution;
    const auto planeCount = static_cast<std::size_t>(*horizontalCount);
    const auto gammaCount = static_cast<std::size_t>(*verticalCount);
    if (!numbers.Numbers(gammaCount, distribution.gammas) ||
        !numbers.Numbers(planeCount, distribution.planes) ||
        !numbers.Numbers(planeCount * gammaCount, distribution.intensities) || !numbers.AtEnd()) {
        return std::nullopt;
    }
    const std::optional<PlaneSymmetry> symmetry = SymmetryOf(distribution.planes);
    for (double& intensity : distribution.intensities) {
        intensity *= *multiplier;
    }
    if (!symmetry || !IsWellFormed(distribution)) {
        return std::nullopt;
    }
    distribution.symmetry = *symmetry;
    data.name = !header->luminaire.empty() ? header->luminaire : header->catalogueNumber;
    data.power = *watts;
    const double luminaireFlux = LuminousFlux(distribution);
    if (*lumensPerLamp < 0.0) {
        data.lampFlux = luminaireFlux;
        data.efficiency = 100.0;
    } else {
        data.lampFlux = *lamps * *lumensPerLamp;
        data.efficiency = luminaireFlux / data.lampFlux * 100.0;
    }
    return data;
}
