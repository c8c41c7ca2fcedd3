#include "photometry/TypeBDistribution.h"

#include "photometry/BeamAngle.h"
#include "photometry/LightDistribution.h"
#include "support/Maths.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

double Radians(double degrees) {
    return degrees * maths::kPi / 180.0;
}

// A list starting at 0 is measured on one side of the optical axis and stands for both.
double MirrorFactor(const std::vector<double>& angles) {
    return angles.front() >= 0.0 ? 2.0 : 1.0;
}

// The integral of I(H) cos H over the horizontal angles at vertical angle v, I linear between
// the measured angles.
double HorizontalIntegral(const TypeBDistribution& distribution, std::size_t v) {
    const std::vector<double>& angles = distribution.horizontal;
    double sum = 0.0;
    for (std::size_t h = 0; h + 1 < angles.size(); ++h) {
        const double a = Radians(angles[h]);
        const double b = Radians(angles[h + 1]);
        const double ia = distribution.At(h, v);
        const double slope = (distribution.At(h + 1, v) - ia) / (b - a);
        sum += ia * (maths::Sin(b) - maths::Sin(a)) +
               slope * ((b - a) * maths::Sin(b) + maths::Cos(b) - maths::Cos(a));
    }
    return sum;
}

// The intensities of one line of the grid, read through `at`, as a profile over its angles;
// mirrored to the negative side when the angles start at 0.
template <typename Intensity>
std::vector<ProfilePoint> Profile(const std::vector<double>& angles, Intensity at) {
    std::vector<ProfilePoint> profile;
    if (angles.front() >= 0.0) {
        for (std::size_t i = angles.size(); i-- > 1;) {
            profile.push_back({-angles[i], at(i)});
        }
    }
    for (std::size_t i = 0; i < angles.size(); ++i) {
        profile.push_back({angles[i], at(i)});
    }
    return profile;
}

// Where the angle 0 lies among the angles: the index before it and the weight of the one after;
// nothing when 0 is outside them.
struct Between {
    std::size_t before;
    double weight;
};

std::optional<Between> ZeroAmong(const std::vector<double>& angles) {
    for (std::size_t i = 0; i < angles.size(); ++i) {
        if (angles[i] == 0.0) {
            return Between{i, 0.0};
        }
        if (i + 1 < angles.size() && angles[i] < 0.0 && angles[i + 1] > 0.0) {
            return Between{i, -angles[i] / (angles[i + 1] - angles[i])};
        }
    }
    return std::nullopt;
}

double Blend(double from, double to, double weight) {
    return weight == 0.0 ? from : from + (to - from) * weight;
}

} // namespace

bool AreTypeBAngles(const std::vector<double>& angles) {
    return angles.size() >= 2 && angles.front() <= 0.0 && AnglesAscendWithin(angles, -90.0, 90.0);
}

double TypeBLuminousFlux(const TypeBDistribution& distribution) {
    const std::vector<double>& vertical = distribution.vertical;
    double flux = 0.0;
    for (std::size_t v = 0; v + 1 < vertical.size(); ++v) {
        const double width = Radians(vertical[v + 1] - vertical[v]);
        flux += width *
                (HorizontalIntegral(distribution, v) + HorizontalIntegral(distribution, v + 1)) /
                2.0;
    }
    return flux * MirrorFactor(vertical) * MirrorFactor(distribution.horizontal);
}

std::optional<double> TypeBBeamAngle(const TypeBDistribution& distribution) {
    const std::vector<double>& vertical = distribution.vertical;
    const std::vector<double>& horizontal = distribution.horizontal;
    const std::optional<Between> v0 = ZeroAmong(vertical);
    const std::optional<Between> h0 = ZeroAmong(horizontal);
    if (!v0 || !h0) {
        return std::nullopt;
    }
    const std::size_t vAfter = std::min(v0->before + 1, vertical.size() - 1);
    const std::size_t hAfter = std::min(h0->before + 1, horizontal.size() - 1);
    const std::optional<double> across = HalfPeakWidth(Profile(horizontal, [&](std::size_t h) {
        return Blend(distribution.At(h, v0->before), distribution.At(h, vAfter), v0->weight);
    }));
    const std::optional<double> upright = HalfPeakWidth(Profile(vertical, [&](std::size_t v) {
        return Blend(distribution.At(h0->before, v), distribution.At(hAfter, v), h0->weight);
    }));
    if (!across || !upright) {
        return std::nullopt;
    }
    return (*across + *upright) / 2.0;
}
