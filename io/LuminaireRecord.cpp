#include "io/LuminaireRecord.h"

#include "io/LightDatabase.h"
#include "model/Quantity.h"
#include "support/DecimalConversion.h"
#include "support/Windows1252.h"

#include <charconv>
#include <cmath>

namespace {

// The value as the record writes it, read back: what the limits are checked against.
double Written(double value) {
    const std::string text = SixSignificantDigits(value);
    double written = 0.0;
    DoubleFromChars(text.data(), text.data() + text.size(), written);
    return written;
}

bool IsWithin(double value, double limit, bool upper) {
    return IsNoLimit(limit) || (upper ? value <= limit : value >= limit);
}

// A lamp's value fixes its quantity when it is above 0 and within the quantity's limits; any
// other value, or none, releases it.
RecordValue LampValue(int q, std::optional<double> value) {
    const Quantity& quantity = QuantityAt(q);
    if (value && std::isfinite(*value) && Written(*value) > 0.0 &&
        IsWithin(Written(*value), quantity.lowerLimit, false) &&
        IsWithin(Written(*value), quantity.upperLimit, true)) {
        return {DatabaseField::Action::Fix, *value};
    }
    return {DatabaseField::Action::Release, 0.0};
}

std::string ShownName(std::string_view raw) {
    return ShowableName(IsWellFormedUtf8(raw) ? Windows1252FromUtf8Replacing(raw)
                                              : std::string(raw));
}

// What tells the lamp sets of one file apart: their types, or where types are missing or
// repeat, their numbers.
std::vector<std::string> SetLabels(const std::vector<LampSet>& sets) {
    std::vector<std::string> labels;
    bool distinct = true;
    for (const LampSet& set : sets) {
        labels.push_back(ShownName(set.type));
        for (std::size_t i = 0; i + 1 < labels.size(); ++i) {
            distinct = distinct && labels[i] != labels.back();
        }
        distinct = distinct && !labels.back().empty();
    }
    for (std::size_t k = 0; k < labels.size() && !distinct; ++k) {
        const std::string number = "Satz " + std::to_string(k + 1);
        labels[k] = labels[k].empty() ? number : labels[k] + ", " + number;
    }
    return labels;
}

} // namespace

std::string LuminaireRecordName(std::string_view name, std::string_view fileName) {
    const std::string shown = ShownName(name);
    if (!shown.empty()) {
        return shown;
    }
    return ShownName(fileName.substr(0, fileName.rfind('.')));
}

std::vector<std::string> LuminaireRecords(const LuminaireData& data, std::string_view fileName) {
    const std::string name = LuminaireRecordName(data.name, fileName);
    const std::vector<std::string> labels = SetLabels(data.lampSets);
    std::vector<std::string> records;
    for (std::size_t k = 0; k < data.lampSets.size(); ++k) {
        const LampSet& set = data.lampSets[k];
        RecordValues values;
        values[kLuminousIntensity] = {DatabaseField::Action::Release, 0.0};
        values[kLuminousFlux] = LampValue(kLuminousFlux, set.flux);
        values[kBeamAngle] = LampValue(kBeamAngle, data.beamAngle);
        values[kPower] = LampValue(kPower, set.power);
        values[kLampEfficiency] = LampValue(kLampEfficiency, data.efficiency);
        records.push_back(DatabaseRecordLine(
            data.lampSets.size() > 1 ? NameToldApart(name, labels[k]) : name, values));
    }
    return records;
}
