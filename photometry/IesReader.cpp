#include "photometry/IesReader.h"

#include "photometry/BeamAngle.h"
#include "photometry/PhotometricText.h"
#include "photometry/TypeBDistribution.h"
#include "support/Blanks.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int kPhotometricTypeC = 1;
constexpr int kPhotometricTypeB = 2;
constexpr int kPhotometricTypeA = 3;

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

// The numbers after the TILT line, separated by blanks or commas, over any number of lines. A
// number that is missing or does not read ends the reading with a fault naming its line.
class NumberStream {
public:
    NumberStream(std::string_view text, char lineEnd, int lineBefore)
        : m_rest(text), m_lineEnd(lineEnd), m_line(lineBefore + 1) {}

    std::optional<double> Next(const char* what) {
        SkipSeparators();
        std::size_t length = 0;
        while (length < m_rest.size() && !IsSeparator(m_rest[length])) {
            ++length;
        }
        const std::string_view token = m_rest.substr(0, length);
        m_rest.remove_prefix(length);
        m_tokenLine = m_line;
        const std::optional<double> value =
            length > 0 ? ParsePhotometricNumber(token, false) : std::nullopt;
        if (!value) {
            m_fault = ReadFault{m_line, std::string(what) + " erwartet"};
        }
        return value;
    }
    std::optional<int> Count(int minimum, int maximum, const char* what) {
        const std::optional<double> value = Next(what);
        if (!value) {
            return std::nullopt;
        }
        if (*value < minimum || *value > maximum || static_cast<int>(*value) != *value) {
            m_fault = ReadFault{m_tokenLine, std::string(what) + " erwartet"};
            return std::nullopt;
        }
        return static_cast<int>(*value);
    }
    bool Skip(long count, const char* what) {
        for (; count > 0; --count) {
            if (!Next(what)) {
                return false;
            }
        }
        return true;
    }
    bool Numbers(std::size_t count, std::vector<double>& values, const char* what) {
        SkipSeparators();
        m_listLine = m_line;
        for (; count > 0; --count) {
            const std::optional<double> value = Next(what);
            if (!value) {
                return false;
            }
            values.push_back(*value);
        }
        return true;
    }
    // Nothing but an END line, as old files close, may follow the last number.
    bool AtEnd() {
        SkipSeparators();
        if (StartsWithIgnoringCase(m_rest, "END")) {
            m_rest.remove_prefix(3);
            SkipSeparators();
        }
        if (!m_rest.empty()) {
            m_fault = ReadFault{m_line, "Ende der Datei erwartet"};
        }
        return m_rest.empty();
    }
    // The line of the number read last, and the line where the last list of numbers began.
    int LineNumber() const { return m_tokenLine; }
    int ListLine() const { return m_listLine; }
    const ReadFault& LastFault() const { return m_fault; }

private:
    static bool IsSeparator(char c) { return IsTrailingFiller(c) || c == ','; }
    void SkipSeparators() {
        while (!m_rest.empty() && IsSeparator(m_rest.front())) {
            if (m_rest.front() == m_lineEnd) {
                ++m_line;
            }
            m_rest.remove_prefix(1);
        }
    }

    std::string_view m_rest;
    char m_lineEnd;
    int m_line;
    int m_tokenLine = 0;
    int m_listLine = 0;
    ReadFault m_fault{0, std::string()};
};

// The keyword lines up to the TILT line: the name, and what follows the TILT line.
struct IesHeader {
    std::string luminaire;
    std::string catalogueNumber;
    bool tiltIncluded = false;
    std::string_view rest;
    char lineEnd;
    int tiltLine;
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
            header.lineEnd = lines.LineEnd();
            header.tiltLine = lines.LineNumber();
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

// The numbers from the lamps to the angle counts and the wattage, with the lines that the
// reasons name.
struct IesCounts {
    double lamps;
    double lumensPerLamp;
    int lumensLine;
    double multiplier;
    int multiplierLine;
    int verticalCount;
    int horizontalCount;
    int type;
    double watts;
    int wattsLine;
};

std::optional<IesCounts> ReadCounts(NumberStream& numbers, std::optional<ReadFault>& fault) {
    IesCounts counts;
    const std::optional<double> lamps = numbers.Next("Lampenanzahl");
    const std::optional<double> lumens = lamps ? numbers.Next("Lumen je Lampe") : std::nullopt;
    counts.lumensLine = numbers.LineNumber();
    const std::optional<double> multiplier =
        lumens ? numbers.Next("Lichtst\xE4rkefaktor") : std::nullopt;
    counts.multiplierLine = numbers.LineNumber();
    const std::optional<int> vertical =
        multiplier ? numbers.Count(1, kMaximumGammas, "Anzahl der senkrechten Winkel (1 bis 361)")
                   : std::nullopt;
    const std::optional<int> horizontal =
        vertical ? numbers.Count(1, kMaximumPlanes, "Anzahl der waagerechten Winkel (1 bis 721)")
                 : std::nullopt;
    const std::optional<int> type = horizontal ? numbers.Count(kPhotometricTypeC, kPhotometricTypeA,
                                                               "Photometrietyp 1, 2 oder 3")
                                               : std::nullopt;
    if (!type) {
        fault = numbers.LastFault();
        return std::nullopt;
    }
    if (*type == kPhotometricTypeA) {
        fault = ReadFault{0, "Photometrie vom Typ A wird nicht unterst\xFCtzt"};
        return std::nullopt;
    }
    // Units, the three dimensions, ballast factor, ballast-lamp factor (future use since 2002).
    const bool skipped = numbers.Skip(1, "Einheit") && numbers.Skip(3, "Abmessung") &&
                         numbers.Skip(2, "Vorschaltger\xE4tefaktor");
    const std::optional<double> watts = skipped ? numbers.Next("Leistung") : std::nullopt;
    if (!watts) {
        fault = numbers.LastFault();
        return std::nullopt;
    }
    counts.lamps = *lamps;
    counts.lumensPerLamp = *lumens;
    counts.multiplier = *multiplier;
    counts.verticalCount = *vertical;
    counts.horizontalCount = *horizontal;
    counts.type = *type;
    counts.watts = *watts;
    counts.wattsLine = numbers.LineNumber();
    return counts;
}

// The lamp flux, the efficiency and the power from the counts and the flux integrated from the
// distribution; with absolute photometry (lumens per lamp -1) the lamp flux is the integrated
// flux and the efficiency 100.
std::optional<ReadFault> TakeFluxAndPower(const IesCounts& counts, double luminaireFlux,
                                          LuminaireData& data) {
    LampSet set{std::string(), 0.0, counts.watts};
    int fluxLine = counts.lumensLine;
    if (counts.lumensPerLamp < 0.0) {
        set.flux = luminaireFlux;
        data.efficiency = 100.0;
        data.absolutePhotometry = true;
        fluxLine = counts.multiplierLine;
    } else {
        set.flux = counts.lamps * counts.lumensPerLamp;
        data.efficiency = MeasuredRatio(luminaireFlux / set.flux * 100.0);
    }
    data.lampSets.push_back(set);
    if (std::optional<ReadFault> fault = ImplausibleFlux(set.flux, fluxLine)) {
        return fault;
    }
    return ImplausiblePower(set.power, counts.wattsLine);
}

// The intensities times the file's multiplier; a fault when that leaves the range of numbers.
std::optional<ReadFault> Multiply(const IesCounts& counts, std::vector<double>& intensities) {
    for (double& intensity : intensities) {
        intensity *= counts.multiplier;
        if (!std::isfinite(intensity)) {
            return ReadFault{counts.multiplierLine, "Lichtst\xE4rkefaktor zu gro\xDF"};
        }
    }
    return std::nullopt;
}

LuminaireReading ReadTypeC(NumberStream& numbers, const IesCounts& counts, LuminaireData& data) {
    LightDistribution& distribution = data.distribution;
    const auto planeCount = static_cast<std::size_t>(counts.horizontalCount);
    const auto gammaCount = static_cast<std::size_t>(counts.verticalCount);
    if (!numbers.Numbers(gammaCount, distribution.gammas, "senkrechter Winkel")) {
        return numbers.LastFault();
    }
    if (!AnglesAscendWithin(distribution.gammas, 0.0, 180.0)) {
        return ReadFault{numbers.ListLine(),
                         "aufsteigende senkrechte Winkel von 0 bis 180 erwartet"};
    }
    if (!numbers.Numbers(planeCount, distribution.planes, "waagerechter Winkel")) {
        return numbers.LastFault();
    }
    const std::optional<PlaneSymmetry> symmetry =
        AnglesAscendWithin(distribution.planes, 0.0, 360.0) ? SymmetryOf(distribution.planes)
                                                            : std::nullopt;
    if (!symmetry) {
        return ReadFault{numbers.ListLine(), "aufsteigende waagerechte Winkel 0, 0 bis 90, 0 bis "
                                             "180, 90 bis 270 oder 0 bis 360 erwartet"};
    }
    distribution.symmetry = *symmetry;
    if (!numbers.Numbers(planeCount * gammaCount, distribution.intensities, "Lichtst\xE4rke") ||
        !numbers.AtEnd()) {
        return numbers.LastFault();
    }
    if (std::optional<ReadFault> fault = Multiply(counts, distribution.intensities)) {
        return *fault;
    }
    if (std::optional<ReadFault> fault =
            TakeFluxAndPower(counts, LuminousFlux(distribution), data)) {
        return *fault;
    }
    data.beamAngle = HalfPeakBeamAngle(distribution);
    return data;
}

LuminaireReading ReadTypeB(NumberStream& numbers, const IesCounts& counts, LuminaireData& data) {
    TypeBDistribution distribution;
    const auto horizontalCount = static_cast<std::size_t>(counts.horizontalCount);
    const auto verticalCount = static_cast<std::size_t>(counts.verticalCount);
    if (!numbers.Numbers(verticalCount, distribution.vertical, "senkrechter Winkel")) {
        return numbers.LastFault();
    }
    if (!AreTypeBAngles(distribution.vertical)) {
        return ReadFault{numbers.ListLine(),
                         "aufsteigende senkrechte Winkel von -90 oder 0 bis 90 erwartet"};
    }
    if (!numbers.Numbers(horizontalCount, distribution.horizontal, "waagerechter Winkel")) {
        return numbers.LastFault();
    }
    if (!AreTypeBAngles(distribution.horizontal)) {
        return ReadFault{numbers.ListLine(),
                         "aufsteigende waagerechte Winkel von -90 oder 0 bis 90 erwartet"};
    }
    if (!numbers.Numbers(horizontalCount * verticalCount, distribution.intensities,
                         "Lichtst\xE4rke") ||
        !numbers.AtEnd()) {
        return numbers.LastFault();
    }
    if (std::optional<ReadFault> fault = Multiply(counts, distribution.intensities)) {
        return *fault;
    }
    if (std::optional<ReadFault> fault =
            TakeFluxAndPower(counts, TypeBLuminousFlux(distribution), data)) {
        return *fault;
    }
    data.beamAngle = TypeBBeamAngle(distribution);
    return data;
}

} // namespace

LuminaireReading ReadIes(std::string_view text) {
    const std::optional<IesHeader> header = ReadHeader(text);
    if (!header) {
        return ReadFault{0, "Zeile TILT= fehlt"};
    }
    NumberStream numbers(header->rest, header->lineEnd, header->tiltLine);
    // Tilt data: lamp-to-luminaire geometry, number of angles, the angles, the factors.
    if (header->tiltIncluded) {
        const std::optional<int> tiltAngles =
            numbers.Skip(1, "Lampenlage")
                ? numbers.Count(0, std::numeric_limits<int>::max() / 2, "Anzahl der Neigungswinkel")
                : std::nullopt;
        if (!tiltAngles || !numbers.Skip(*tiltAngles, "Neigungswinkel") ||
            !numbers.Skip(*tiltAngles, "Neigungsfaktor")) {
            return numbers.LastFault();
        }
    }
    std::optional<ReadFault> fault;
    const std::optional<IesCounts> counts = ReadCounts(numbers, fault);
    if (!counts) {
        return *fault;
    }
    LuminaireData data;
    data.name = !header->luminaire.empty() ? header->luminaire : header->catalogueNumber;
    return counts->type == kPhotometricTypeB ? ReadTypeB(numbers, *counts, data)
                                             : ReadTypeC(numbers, *counts, data);
}
