#include "photometry/LuminaireData.h"

namespace {

// Goniophotometers measure to a few percent; a maker's file that states 100.1 % means 100 %.
constexpr double kRatioTolerance = 5.0;
// A table without a lamp flux stays per 1000 lm, as EULUMDAT gives it.
constexpr double kRelativeFlux = 1000.0;

} // namespace

std::string ReadFault::Text() const {
    return line > 0 ? "Zeile " + std::to_string(line) + ": " + reason : reason;
}

double CandelaScale(const LuminaireData& data, double flux) {
    if (data.absolutePhotometry) {
        return 1.0;
    }
    const double measured = data.lampSets.empty() ? kRelativeFlux : data.lampSets.front().flux;
    return flux / (measured > 0.0 ? measured : kRelativeFlux);
}

double MeasuredRatio(double percent) {
    return percent > 100.0 && percent <= 100.0 + kRatioTolerance ? 100.0 : percent;
}

std::optional<ReadFault> ImplausibleFlux(double flux, int line) {
    if (flux > kMaximumLampFlux) {
        return ReadFault{line, "Lichtstrom \xFC"
                               "ber 10 000 000 lm"};
    }
    return std::nullopt;
}

std::optional<ReadFault> ImplausiblePower(double power, int line) {
    if (power > kMaximumLampPower) {
        return ReadFault{line, "Leistung \xFC"
                               "ber 1 000 000 W"};
    }
    return std::nullopt;
}
