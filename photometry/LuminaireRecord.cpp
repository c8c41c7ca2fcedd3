#include "photometry/LuminaireRecord.h"

#include "photometry/BeamAngle.h"
#include "support/Blanks.h"
#include "support/DecimalConversion.h"
#include "support/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

constexpr int kSignificantDigits = 6;
constexpr std::size_t kMaximumNameLength = 255;

// Record fields, counted as the database counts them (field 0 is the name).
constexpr int kFieldCount = 23;
constexpr int kIntensityField = 1;
constexpr int kFluxField = 2;
constexpr int kBeamAngleField = 4;
constexpr int kPowerField = 9;
constexpr int kEfficiencyField = 21;

// Numbers as DoubleToChars writes them, read back whatever the locale.
double ReadBack(std::string_view text) {
    double value = 0.0;
    DoubleFromChars(text.data(), text.data() + text.size(), value);
    return value;
}

// The value as written, read back: what the limits are checked against.
double Written(double value) {
    return ReadBack(SixSignificantDigits(value));
}

std::string FieldWithin(std::optional<double> value, double lower, double upper) {
    if (!value || !std::isfinite(*value) || Written(*value) < lower || Written(*value) > upper) {
        return std::string();
    }
    return SixSignificantDigits(*value);
}

std::string PositiveField(double value) {
    return std::isfinite(value) && value > 0.0 ? SixSignificantDigits(value) : std::string();
}

bool IsShowable(unsigned char byte) {
    const bool control = byte < 0x20 || byte == 0x7F;
    const bool undefined =
        byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    return !control && !undefined;
}

std::string ShownName(std::string_view raw) {
    const std::string text =
        IsWellFormedUtf8(raw) ? Windows1252FromUtf8Replacing(raw) : std::string(raw);
    std::string name(TrimBlanks(text));
    for (char& c : name) {
        if (c == ';') {
            c = ',';
        } else if (!IsShowable(static_cast<unsigned char>(c))) {
            c = '?';
        }
    }
    if (name.size() > kMaximumNameLength) {
        name.resize(kMaximumNameLength);
    }
    return std::string(TrimBlanks(name));
}

} // namespace

std::string SixSignificantDigits(double value) {
    // The scientific form rounds to six digits and tells the exponent; the fixed form with as
    // many decimals as the six digits reach writes the rounded value without exponent.
    char scientific[32];
    const auto rounded = DoubleToChars(scientific, scientific + sizeof scientific, value,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const char* e = std::find(scientific, rounded.ptr, 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), rounded.ptr, exponent);
    const int decimals = exponent >= kSignificantDigits - 1 ? 0 : kSignificantDigits - 1 - exponent;
    char fixed[400];
    const auto written =
        DoubleToChars(fixed, fixed + sizeof fixed,
                      ReadBack(std::string_view(scientific, rounded.ptr - scientific)),
                      std::chars_format::fixed, decimals);
    std::string text(fixed, written.ptr);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

std::string LuminaireRecordName(std::string_view name, std::string_view fileName) {
    const std::string shown = ShownName(name);
    if (!shown.empty()) {
        return shown;
    }
    return ShownName(fileName.substr(0, fileName.rfind('.')));
}

std::string LuminaireRecord(const LuminaireData& data, std::string_view fileName) {
    std::string fields[kFieldCount];
    fields[0] = LuminaireRecordName(data.name, fileName);
    fields[kIntensityField] = "*";
    fields[kFluxField] = PositiveField(data.lampFlux);
    fields[kBeamAngleField] = FieldWithin(HalfPeakBeamAngle(data.distribution), 1.0, 120.0);
    fields[kPowerField] = PositiveField(data.power);
    fields[kEfficiencyField] = FieldWithin(data.efficiency, 1.0, 100.0);
    std::string record = fields[0];
    for (int i = 1; i < kFieldCount; ++i) {
        record += ';' + fields[i];
    }
    return record + "\r\n";
}
