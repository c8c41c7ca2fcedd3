#include "photometry/EulumdatReader.h"

#include "photometry/BeamAngle.h"
#include "photometry/PhotometricText.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Lines 10 to 22: luminaire number, file name, date, dimensions, downward flux fraction.
constexpr int kLinesAfterName = 13;
constexpr int kDirectRatios = 10;
constexpr double kRelativeFlux = 1000.0;
// Real luminaires list a handful of alternative lamp sets; a hundred is a broken file.
constexpr int kMaximumLampSets = 99;

// The lines of the file, each read as what the format puts there. A value that is missing or
// not what its line needs ends the reading with a fault naming the line and the expectation.
class EulumdatLines {
public:
    explicit EulumdatLines(std::string_view text) : m_lines(text) {}

    // Past the end, every further line is missing.
    void Skip(int count) {
        for (; count > 0; --count) {
            Next();
        }
    }
    std::string_view Text() { return Next(); }
    std::optional<double> Number(const char* what) {
        const std::optional<double> value = ParsePhotometricNumber(Next(), true);
        if (!value) {
            Expected(what);
        }
        return value;
    }
    std::optional<int> Count(int minimum, int maximum, const char* what) {
        const std::optional<int> count = ParseCount(Next(), minimum, maximum, true);
        if (!count) {
            Expected(what);
        }
        return count;
    }
    bool Numbers(std::size_t count, std::vector<double>& values, const char* what) {
        for (; count > 0; --count) {
            const std::optional<double> value = Number(what);
            if (!value) {
                return false;
            }
            values.push_back(*value);
        }
        return true;
    }
    // The file goes on after its last value with nothing but blank lines.
    bool OnlyFillerLeft() {
        for (std::optional<std::string_view> line = m_lines.Next(); line; line = m_lines.Next()) {
            if (!std::all_of(line->begin(), line->end(), IsTrailingFiller)) {
                m_fault = ReadFault{m_lines.LineNumber(), "Ende der Datei erwartet"};
                return false;
            }
        }
        return true;
    }
    // The number of the line read last, counting the missing ones past the end.
    int LineNumber() const { return m_lines.LineNumber() + m_linesPastEnd; }
    // The fault of the last value that did not read, or of the last line after the values.
    const ReadFault& LastFault() const { return m_fault; }

private:
    std::string_view Next() {
        const std::optional<std::string_view> line = m_lines.Next();
        if (!line) {
            ++m_linesPastEnd;
        }
        return line.value_or(std::string_view());
    }
    void Expected(const char* what) {
        m_fault = ReadFault{LineNumber(), std::string(what) + " erwartet"};
    }

    LineReader m_lines;
    int m_linesPastEnd = 0;
    ReadFault m_fault{0, std::string()};
};

// The stored planes of each symmetry: how many of the Mc planes, from which one on, and for
// which planes they stand. Symmetry 3 stores the planes from C270 over C0 to C90.
struct StoredPlanes {
    PlaneSymmetry symmetry;
    int count;
    int first;
};

StoredPlanes StoredPlanesOf(int isym, int mc) {
    switch (isym) {
    case 0:
        return {PlaneSymmetry::None, mc, 0};
    case 1:
        return {PlaneSymmetry::Rotational, 1, 0};
    case 2:
        return {PlaneSymmetry::AboutC0C180, mc / 2 + 1, 0};
    case 3:
        return {PlaneSymmetry::AboutC90C270, mc / 2 + 1, 3 * mc / 4};
    default:
        return {PlaneSymmetry::Quadrants, mc / 4 + 1, 0};
    }
}

// Symmetries 2 to 4 store a half or a quarter of the planes, so Mc must divide.
const char* PlaneCountFault(int isym, int mc) {
    if (isym == 2 && mc % 2 != 0) {
        return "gerade Anzahl der C-Ebenen erwartet";
    }
    if ((isym == 3 || isym == 4) && mc % 4 != 0) {
        return "durch 4 teilbare Anzahl der C-Ebenen erwartet";
    }
    return nullptr;
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

// From the direct ratios on: the C angles, the gamma angles and the intensities of the stored
// planes. Of the C angles only those of the stored planes count, as the symmetry has them.
std::optional<ReadFault> ReadDistribution(EulumdatLines& lines, int isym, int mc, int ng,
                                          LightDistribution& distribution) {
    lines.Skip(kDirectRatios);
    const StoredPlanes stored = StoredPlanesOf(isym, mc);
    const int planeLine = lines.LineNumber() + 1;
    std::vector<double> angles;
    if (!lines.Numbers(static_cast<std::size_t>(mc), angles, "C-Winkel")) {
        return lines.LastFault();
    }
    distribution.symmetry = stored.symmetry;
    distribution.planes = StoredPlaneAngles(angles, stored);
    const std::vector<double>& planes = distribution.planes;
    if (!AnglesAscendWithin(planes, -360.0, 360.0) || planes.back() - planes.front() > 360.0) {
        return ReadFault{planeLine, "aufsteigende C-Winkel von 0 bis 360 erwartet"};
    }
    const int gammaLine = lines.LineNumber() + 1;
    if (!lines.Numbers(static_cast<std::size_t>(ng), distribution.gammas, "Gamma-Winkel")) {
        return lines.LastFault();
    }
    if (!AnglesAscendWithin(distribution.gammas, 0.0, 180.0)) {
        return ReadFault{gammaLine, "aufsteigende Gamma-Winkel von 0 bis 180 erwartet"};
    }
    const std::size_t values = static_cast<std::size_t>(stored.count) * distribution.gammas.size();
    if (!lines.Numbers(values, distribution.intensities, "Lichtst\xE4rke") ||
        !lines.OnlyFillerLeft()) {
        return lines.LastFault();
    }
    return std::nullopt;
}

// Lines 27 on: a block of six lines per set (number of lamps, type, flux, colour, colour
// rendering, wattage), as the files from the field write them. Appends the set; the fault when
// it does not read or holds what no luminaire has.
std::optional<ReadFault> ReadLampSet(EulumdatLines& lines, std::vector<LampSet>& sets) {
    if (!lines.Number("Lampenanzahl")) {
        return lines.LastFault();
    }
    const std::string type(lines.Text());
    const std::optional<double> flux = lines.Number("Lichtstrom");
    if (!flux) {
        return lines.LastFault();
    }
    const int fluxLine = lines.LineNumber();
    lines.Skip(2);
    const std::optional<double> power = lines.Number("Leistung");
    if (!power) {
        return lines.LastFault();
    }
    if (std::optional<ReadFault> implausible = ImplausibleFlux(*flux, fluxLine)) {
        return implausible;
    }
    if (std::optional<ReadFault> implausible = ImplausiblePower(*power, lines.LineNumber())) {
        return implausible;
    }
    sets.push_back({type, *flux, *power});
    return std::nullopt;
}

} // namespace

LuminaireReading ReadEulumdat(std::string_view text) {
    EulumdatLines lines(text);
    // Lines 1 to 8: maker, type, symmetry Isym, planes Mc, their distance, angles Ng, their
    // distance, report number.
    lines.Skip(2);
    const std::optional<int> isym = lines.Count(0, 4, "Symmetrie 0 bis 4");
    if (!isym) {
        return lines.LastFault();
    }
    const std::optional<int> mc = lines.Count(1, kMaximumPlanes, "Anzahl der C-Ebenen (1 bis 721)");
    if (!mc) {
        return lines.LastFault();
    }
    if (const char* fault = PlaneCountFault(*isym, *mc)) {
        return ReadFault{lines.LineNumber(), fault};
    }
    lines.Skip(1);
    const std::optional<int> ng =
        lines.Count(1, kMaximumGammas, "Anzahl der Gamma-Winkel (1 bis 361)");
    if (!ng) {
        return lines.LastFault();
    }
    lines.Skip(2);
    LuminaireData data;
    data.name = std::string(lines.Text());
    lines.Skip(kLinesAfterName);
    // Lines 23 to 26: light output ratio, conversion factor, tilt, number of lamp sets.
    const std::optional<double> lorl = lines.Number("Leuchtenbetriebswirkungsgrad");
    if (!lorl) {
        return lines.LastFault();
    }
    const std::optional<double> conversion = lines.Number("Umrechnungsfaktor");
    if (!conversion) {
        return lines.LastFault();
    }
    const int conversionLine = lines.LineNumber();
    lines.Skip(1);
    const std::optional<int> sets =
        lines.Count(0, kMaximumLampSets, "Anzahl der Lampens\xE4tze (0 bis 99)");
    if (!sets) {
        return lines.LastFault();
    }
    for (int k = 0; k < *sets; ++k) {
        if (std::optional<ReadFault> fault = ReadLampSet(lines, data.lampSets)) {
            return *fault;
        }
    }
    // A file without lamp sets states no flux and no power.
    if (data.lampSets.empty()) {
        data.lampSets.push_back({std::string(), NAN, NAN});
    }
    LightDistribution& distribution = data.distribution;
    if (std::optional<ReadFault> fault = ReadDistribution(lines, *isym, *mc, *ng, distribution)) {
        return *fault;
    }
    // The intensities are given per 1000 lm of lamp flux; without a flux they stay so.
    const double flux = data.lampSets.front().flux;
    const double scale = *conversion * (std::isnan(flux) ? 1.0 : flux / kRelativeFlux);
    for (double& intensity : distribution.intensities) {
        intensity *= scale;
    }
    if (!IsWellFormed(distribution)) {
        return ReadFault{conversionLine, "Umrechnungsfaktor zu gro\xDF"};
    }
    data.efficiency = MeasuredRatio(*lorl);
    data.beamAngle = HalfPeakBeamAngle(distribution);
    return data;
}
