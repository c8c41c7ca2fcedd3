#include "photometry/EstimatedDistribution.h"

#include "model/Quantity.h"
#include "support/Maths.h"

#include <algorithm>
#include <cmath>

namespace {

// Where the intensity has fallen this far, the rest of the distribution counts as dark.
constexpr double kDarkIntensity = 1e-12;

double HeldToLimits(double beamAngle) {
    const Quantity& quantity = QuantityAt(kBeamAngle);
    if (!(beamAngle >= quantity.lowerLimit)) {
        return quantity.lowerLimit;
    }
    return std::min(beamAngle, quantity.upperLimit);
}

} // namespace

double CosinePowerExponent(double beamAngle) {
    const double halfAngle = HeldToLimits(beamAngle) / 2 * maths::kPi / 180;
    return maths::Log(0.5) / maths::Log(maths::Cos(halfAngle));
}

LightDistribution EstimatedDistribution(double beamAngle) {
    const double n = CosinePowerExponent(beamAngle);
    const double lastGamma =
        std::min(maths::Acos(maths::Exp(maths::Log(kDarkIntensity) / n)) * 180 / maths::kPi, 90.0);
    LightDistribution distribution;
    distribution.symmetry = PlaneSymmetry::Rotational;
    distribution.planes = {0.0};
    for (int j = 0; j < kMaximumGammas; ++j) {
        const double gamma = lastGamma * j / (kMaximumGammas - 1);
        distribution.gammas.push_back(gamma);
        distribution.intensities.push_back(maths::Pow(maths::Cos(gamma * maths::kPi / 180), n));
    }
    return distribution;
}
