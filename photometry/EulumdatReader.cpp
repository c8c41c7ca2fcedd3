#include "photometry/EulumdatReader.h"

#include "photometry/PhotometricText.h"
#include "support/Blanks.h"

#include <vector>

namespace {

// Lines 10 to 22: luminaire number, file name, date, dimensions, downward flux fraction.
constexpr int kLinesAfterName = 13;
constexpr int kDirectRatios = 10;

class EulumdatLines {
public:
    explicit EulumdatLines(std::string_view text) : m_lines(text) {}

    // Past the end, every further value is missing.
    void Skip(long count) {
        for (; count > 0 && m_lines.Next(); --count) {
        }
    }
    std::optional<std::string_view> Text() { return m_lines.Next(); }
    std::optional<double> Number() {
        const std::optional<std::string_view> line = m_lines.Next();
        return line ? ParsePhotometricNumber(*line, true) : std::nullopt;
    }
    // A whole number from 0 to `maximum`; -1 when the line holds none.
    int Count(int maximum) {
        const std::optional<std::string_view> line = m_lines.Next();
        const std::optional<int> count = line ? ParseCount(*line, maximum, true) : std::nullopt;
        return count.value_or(-1);
    }
    // The sum of the next `count` numbers; nothing when one is missing.
    std::optional<double> Sum(long count) {
        double sum = 0.0;
        for (; count > 0; --count) {
            const std::optional<double> value = Number();
            if (!value) {
                return std::nullopt;
            }
            sum += *value;
        }
        return sum;
    }
    bool Numbers(std::size_t count, std::vector<double>& values) {
        for (; count > 0; --count) {
            const std::optional<double> value = Number();
            if (!value) {
                return false;
            }
            values.push_back(*value);
        }
        return true;
    }
    // Only blank lines are left.
    bool OnlyBlanksLeft() const { return TrimBlanks(m_lines.Rest()).empty(); }

private:
    LineReader m_lines;
};

// The stored planes of each symmetry: how many of the Mc planes, from which one on, and for
// which planes they stand. Symmetry 3 stores the planes from C270 over C0 to C90.
struct StoredPlanes {
    PlaneSymmetry symmetry;
    int count;
    int first;
};

std::optional<StoredPlanes> StoredPlanesOf(int isym, int mc) {
    switch (isym) {
    case 0:
        return StoredPlanes{PlaneSymmetry::None, mc, 0};
    case 1:
        return StoredPlanes{PlaneSymmetry::Rotational, 1, 0};
    case 2:
        return mc % 2 == 0 ? std::optional(StoredPlanes{PlaneSymmetry::AboutC0C180, mc / 2 + 1, 0})
                           : std::nullopt;
    case 3:
        return mc % 4 == 0 ? std::optional(
                                 StoredPlanes{PlaneSymmetry::AboutC90C270, mc / 2 + 1, 3 * mc / 4})
                           : std::nullopt;
    case 4:
        return mc % 4 == 0 ? std::optional(StoredPlanes{PlaneSymmetry::Quadrants, mc / 4 + 1, 0})
                           : std::nullopt;
    default:
        return std::nullopt;
    }
}

// The C angles of the stored planes, ascending: for symmetry 3 those from C270 on count from
// -90.
std::vector<double> StoredPlaneAngles(const std::vector<double>& all, const StoredPlanes& stored) {
    std::vector<double> angles;
    for (int k = 0; k < stored.count; ++k) {
        const std::size_t index = static_cast<std::size_t>(stored.first + k) % all.size();
        const bool beforeC0 = stored.first > 0 && index >= static_cast<std::size_t>(stored.first);
        angles.push_back(beforeC0 ? all[index] - 360.0 : all[index]);
    }
    return angles;
}

} // namespace

std::optional<LuminaireData> ReadEulumdat(std::string_view text) {
    EulumdatLines lines(text);
    // Lines 1 to 8: maker, type, symmetry Isym, planes Mc, their distance, angles Ng, their
    // distance, report number.
    lines.Skip(2);
    const int isym = lines.Count(4);
    const int mc = lines.Count(kMaximumPlanes);
    lines.Skip(1);
    const int ng = lines.Count(kMaximumGammas);
    lines.Skip(2);
    const std::optional<StoredPlanes> stored = StoredPlanesOf(isym, mc);
    const std::optional<std::string_view> name = lines.Text();
    if (mc <= 0 || ng <= 0 || !stored || !name) {
        return std::nullopt;
    }
    LuminaireData data;
    data.name = std::string(*name);
    lines.Skip(kLinesAfterName);
    // Lines 23 to 26: light output ratio, conversion factor, tilt, lamp sets n; then n lines
    // each of lamp count, type, flux, colour, colour rendering and wattage; then the direct
    // ratios, the C angles, the gamma angles and the intensities.
    const std::optional<double> lorl = lines.Number();
    const std::optional<double> conversion = lines.Number();
    lines.Skip(1);
    const int sets = lines.Count(1 << 28);
    lines.Skip(2L * sets);
    const std::optional<double> flux = lines.Sum(sets);
    lines.Skip(2L * sets);
    const std::optional<double> power = lines.Sum(sets);
    lines.Skip(kDirectRatios);
    std::vector<double> angles;
    LightDistribution& distribution = data.distribution;
    if (!lorl || !conversion || sets < 0 || !flux || !power ||
        !lines.Numbers(static_cast<std::size_t>(mc), angles) ||
        !lines.Numbers(static_cast<std::size_t>(ng), distribution.gammas)) {
        return std::nullopt;
    }
    const std::size_t values = static_cast<std::size_t>(stored->count) * distribution.gammas.size();
    if (!lines.Numbers(values, distribution.intensities) || !lines.OnlyBlanksLeft()) {
        return std::nullopt;
    }
    distribution.symmetry = stored->symmetry;
    distribution.planes = StoredPlaneAngles(angles, *stored);
    const double scale = *conversion * *flux / 1000.0;
    for (double& intensity : distribution.intensities) {
        intensity *= scale;
    }
    if (!IsWellFormed(distribution)) {
        return std::nullopt;
    }
    data.lampFlux = *flux;
    data.power = *power;
    data.efficiency = *lorl;
    return data;
}
