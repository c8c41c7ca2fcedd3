#include "photometry/BeamAngle.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace {

// The lower half-space of the plane pair c and c + 180, ascending in angle from the nadir,
// negative towards the second plane.
std::vector<ProfilePoint> LowerHalfProfile(const LightDistribution& distribution, double c) {
    const std::vector<double> positive = PlaneProfile(distribution, c);
    const std::vector<double> negative = PlaneProfile(distribution, c + 180.0);
    const std::vector<double>& gammas = distribution.gammas;
    std::vector<ProfilePoint> profile;
    for (std::size_t j = gammas.size(); j-- > 0;) {
        if (gammas[j] > 0.0 && gammas[j] <= 90.0) {
            profile.push_back({-gammas[j], negative[j]});
        }
    }
    for (std::size_t j = 0; j < gammas.size() && gammas[j] <= 90.0; ++j) {
        profile.push_back({gammas[j], positive[j]});
    }
    return profile;
}

// Walks from the point `peak` by `step` to the first point at or below `half`; the angle where
// the line between it and the point before reaches `half`.
std::optional<double> HalfPoint(const std::vector<ProfilePoint>& profile, std::ptrdiff_t peak,
                                std::ptrdiff_t step, double half) {
    const auto count = static_cast<std::ptrdiff_t>(profile.size());
    for (std::ptrdiff_t k = peak + step; k >= 0 && k < count; k += step) {
        if (profile[static_cast<std::size_t>(k)].intensity <= half) {
            const ProfilePoint& inside = profile[static_cast<std::size_t>(k - step)];
            const ProfilePoint& outside = profile[static_cast<std::size_t>(k)];
            return inside.angle + (outside.angle - inside.angle) * (inside.intensity - half) /
                                      (inside.intensity - outside.intensity);
        }
    }
    return std::nullopt;
}

std::optional<double> PlaneBeamAngle(const LightDistribution& distribution, double c) {
    return HalfPeakWidth(LowerHalfProfile(distribution, c));
}

} // namespace

std::optional<double> HalfPeakBeamAngle(const LightDistribution& distribution) {
    const std::optional<double> first = PlaneBeamAngle(distribution, 0.0);
    const std::optional<double> second = PlaneBeamAngle(distribution, 90.0);
    if (!first || !second) {
        return std::nullopt;
    }
    return (*first + *second) / 2.0;
}

std::optional<double> HalfPeakWidth(const std::vector<ProfilePoint>& profile) {
    if (profile.empty()) {
        return std::nullopt;
    }
    const auto peak = std::max_element(
        profile.begin(), profile.end(),
        [](const ProfilePoint& a, const ProfilePoint& b) { return a.intensity < b.intensity; });
    if (peak->intensity <= 0.0) {
        return std::nullopt;
    }
    const std::ptrdiff_t at = peak - profile.begin();
    const double half = peak->intensity / 2.0;
    const std::optional<double> left = HalfPoint(profile, at, -1, half);
    const std::optional<double> right = HalfPoint(profile, at, 1, half);
    if (!left || !right) {
        return std::nullopt;
    }
    return *right - *left;
}
