#include "photometry/LightDistribution.h"
#include "support/Maths.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kSameAngle = 1e-9;

// A C-plane of the whole circle and the measured plane that gives its intensities.
struct CirclePlane {
    double angle; // 0 to below 360
    std::size_t measured;
};

double OnCircle(double angle) {
    angle = std::fmod(angle, 360.0);
    if (angle < 0) {
        angle += 360.0;
    }
    return angle > 360.0 - kSameAngle ? 0.0 : angle;
}

// The angles for which a measured plane at angle a stands.
std::vector<double> Mirrors(PlaneSymmetry symmetry, double a) {
    switch (symmetry) {
    case PlaneSymmetry::AboutC0C180:
        return {a, 360.0 - a};
    case PlaneSymmetry::AboutC90C270:
        return {a, 180.0 - a};
    case PlaneSymmetry::Quadrants:
        return {a, 180.0 - a, 180.0 + a, 360.0 - a};
    default:
        return {a};
    }
}

// The planes round the whole circle, ascending, each angle once (a measured plane before the
// mirror image of another at the same angle).
std::vector<CirclePlane> CirclePlanes(const LightDistribution& distribution) {
    std::vector<CirclePlane> circle;
    if (distribution.symmetry == PlaneSymmetry::Rotational) {
        return {{0.0, 0}};
    }
    for (std::size_t i = 0; i < distribution.planes.size(); ++i) {
        for (double angle : Mirrors(distribution.symmetry, distribution.planes[i])) {
            circle.push_back({OnCircle(angle), i});
        }
    }
    std::stable_sort(circle.begin(), circle.end(),
                     [](const CirclePlane& a, const CirclePlane& b) { return a.angle < b.angle; });
    circle.erase(std::unique(circle.begin(), circle.end(),
                             [](const CirclePlane& a, const CirclePlane& b) {
                                 return b.angle - a.angle < kSameAngle;
                             }),
                 circle.end());
    return circle;
}

bool Ascending(const std::vector<double>& angles) {
    return std::adjacent_find(angles.begin(), angles.end(), std::greater_equal<double>()) ==
           angles.end();
}

bool AllFinite(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// The integral of I(gamma) sin(gamma) over the measured gamma angles, I linear between them.
double GammaIntegral(const LightDistribution& distribution, std::size_t plane) {
    double sum = 0.0;
    for (std::size_t j = 0; j + 1 < distribution.gammas.size(); ++j) {
        const double a = distribution.gammas[j] * maths::kPi / 180.0;
        const double b = distribution.gammas[j + 1] * maths::kPi / 180.0;
        const double ia = distribution.At(plane, j);
        const double ib = distribution.At(plane, j + 1);
        sum += ia * (maths::Cos(a) - maths::Cos(b)) +
               (ib - ia) / (b - a) * (maths::Sin(b) - maths::Sin(a) - (b - a) * maths::Cos(b));
    }
    return sum;
}

} // namespace

bool AnglesAscendWithin(const std::vector<double>& angles, double lowest, double highest) {
    return Ascending(angles) && AllFinite(angles) &&
           (angles.empty() || (angles.front() >= lowest && angles.back() <= highest));
}

bool IsWellFormed(const LightDistribution& distribution) {
    const std::vector<double>& planes = distribution.planes;
    const std::vector<double>& gammas = distribution.gammas;
    return !planes.empty() && !gammas.empty() && AllFinite(planes) && AllFinite(gammas) &&
           Ascending(planes) && Ascending(gammas) && planes.back() - planes.front() <= 360.0 &&
           gammas.front() >= 0.0 && gammas.back() <= 180.0 &&
           distribution.intensities.size() == planes.size() * gammas.size() &&
           AllFinite(distribution.intensities);
}

std::vector<double> PlaneProfile(const LightDistribution& distribution, double c) {
    const std::vector<CirclePlane> circle = CirclePlanes(distribution);
    const std::size_t gammaCount = distribution.gammas.size();
    c = OnCircle(c);
    // The plane at or before c, going round from the last plane to the first.
    std::size_t before = circle.size() - 1;
    while (before > 0 && circle[before].angle > c) {
        --before;
    }
    if (circle[before].angle > c) {
        before = circle.size() - 1;
    }
    const std::size_t after = (before + 1) % circle.size();
    double span = circle[after].angle - circle[before].angle;
    double offset = c - circle[before].angle;
    if (span <= 0.0) {
        span += 360.0;
    }
    if (offset < 0.0) {
        offset += 360.0;
    }
    const double t = circle.size() == 1 ? 0.0 : offset / span;
    std::vector<double> profile(gammaCount);
    for (std::size_t j = 0; j < gammaCount; ++j) {
        const double from = distribution.At(circle[before].measured, j);
        const double to = distribution.At(circle[after].measured, j);
        profile[j] = from + (to - from) * t;
    }
    return profile;
}

LightDistribution Unfolded(const LightDistribution& distribution) {
    if (!IsWellFormed(distribution) || distribution.symmetry == PlaneSymmetry::Rotational) {
        return distribution;
    }
    LightDistribution unfolded;
    unfolded.symmetry = PlaneSymmetry::None;
    unfolded.gammas = distribution.gammas;
    const std::size_t gammaCount = distribution.gammas.size();
    for (const CirclePlane& plane : CirclePlanes(distribution)) {
        unfolded.planes.push_back(plane.angle);
        const auto measured = distribution.intensities.begin() +
                              static_cast<std::ptrdiff_t>(plane.measured * gammaCount);
        unfolded.intensities.insert(unfolded.intensities.end(), measured,
                                    measured + static_cast<std::ptrdiff_t>(gammaCount));
    }
    return unfolded;
}

double LuminousFlux(const LightDistribution& distribution) {
    const std::vector<CirclePlane> circle = CirclePlanes(distribution);
    const std::size_t n = circle.size();
    double flux = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        double width = 360.0;
        if (n > 1) {
            double next = circle[(i + 1) % n].angle;
            double previous = circle[(i + n - 1) % n].angle;
            next += next <= circle[i].angle ? 360.0 : 0.0;
            previous -= previous >= circle[i].angle ? 360.0 : 0.0;
            width = (next - previous) / 2.0;
        }
        flux += width * maths::kPi / 180.0 * GammaIntegral(distribution, circle[i].measured);
    }
    return flux;
}
