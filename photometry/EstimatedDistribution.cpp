#include "photometry/EstimatedDistribution.h"

#include "model/Quantity.h"

#include <algorithm>
#include <cmath>

namespace {

// The library's maths, all in one place.
double Cosine(double x) {
    return std::cos(x);
}
double ArcCosine(double x) {
    return std::acos(x);
}
double Logarithm(double x) {
    return std::log(x);
}
double Exponential(double x) {
    return std::exp(x);
}
double Power(double x, double y) {
    return std::pow(x, y);
}

constexpr double kPi = 3.14159265358979323846;
constexpr int kBeamAngle = 3;
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
    const double halfAngle = HeldToLimits(beamAngle) / 2 * kPi / 180;
    return Logarithm(0.5) / Logarithm(Cosine(halfAngle));
}

LightDistribution EstimatedDistribution(double beamAngle) {
    const double n = CosinePowerExponent(beamAngle);
    const double lastGamma =
        std::min(ArcCosine(Exponential(Logarithm(kDarkIntensity) / n)) * 180 / kPi, 90.0);
    LightDistribution distribution;
    distribution.symmetry = PlaneSymmetry::Rotational;
    distribution.planes = {0.0};
    for (int j = 0; j < kMaximumGammas; ++j) {
        const double gamma = lastGamma * j / (kMaximumGammas - 1);
        distribution.gammas.push_back(gamma);
        distribution.intensities.push_back(Power(Cosine(gamma * kPi / 180), n));
    }
    return distribution;
}
