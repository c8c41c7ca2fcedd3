#include "photometry/IntensityTable.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr double kHorizontal = 90.0;

// The spacing of angles that follow each other evenly, as most makers' tables have them; 0 for
// uneven ones, or fewer than two.
double EvenSpacing(const std::vector<double>& angles) {
    if (angles.size() < 2) {
        return 0.0;
    }
    const double spacing =
        (angles.back() - angles.front()) / static_cast<double>(angles.size() - 1);
    for (std::size_t i = 0; i < angles.size(); ++i) {
        if (std::fabs(angles[i] - (angles.front() + spacing * static_cast<double>(i))) > 1e-9) {
            return 0.0;
        }
    }
    return spacing;
}

// The index of the last angle at or below `angle`; angles.size() when the first is above it.
// With an even spacing the index follows from it; the comparisons then only mend rounding, so
// that both ways find the same angle.
std::size_t AtOrBelow(const std::vector<double>& angles, double spacing, double angle) {
    if (spacing > 0.0 && angle >= angles.front() && angle < angles.back()) {
        std::size_t i = std::min(static_cast<std::size_t>((angle - angles.front()) / spacing),
                                 angles.size() - 2);
        while (angles[i] > angle) {
            --i;
        }
        while (angles[i + 1] <= angle) {
            ++i;
        }
        return i;
    }
    const auto above = std::upper_bound(angles.begin(), angles.end(), angle);
    if (above == angles.begin()) {
        return angles.size();
    }
    return static_cast<std::size_t>(above - angles.begin()) - 1;
}

} // namespace

IntensityTable::IntensityTable(const LightDistribution& distribution) {
    if (!IsWellFormed(distribution)) {
        return;
    }
    const LightDistribution unfolded = Unfolded(distribution);
    // The gamma angles below the horizontal, and the first from it up, between which the
    // intensity falls towards the horizontal.
    const std::size_t gammaCount = unfolded.gammas.size();
    const std::size_t kept = std::min(
        gammaCount, static_cast<std::size_t>(std::lower_bound(unfolded.gammas.begin(),
                                                              unfolded.gammas.end(), kHorizontal) -
                                             unfolded.gammas.begin()) +
                        1);
    m_gammas.assign(unfolded.gammas.begin(),
                    unfolded.gammas.begin() + static_cast<std::ptrdiff_t>(kept));
    m_planes = unfolded.planes;
    // The circle closes: the first plane follows the last one.
    m_planes.push_back(m_planes.front() + 360.0);
    for (std::size_t plane = 0; plane < m_planes.size(); ++plane) {
        const auto from = unfolded.intensities.begin() +
                          static_cast<std::ptrdiff_t>(plane % unfolded.planes.size() * gammaCount);
        m_intensities.insert(m_intensities.end(), from, from + static_cast<std::ptrdiff_t>(kept));
    }
    m_planeSpacing = EvenSpacing(m_planes);
    m_gammaSpacing = EvenSpacing(m_gammas);
}

double IntensityTable::At(double c, double gamma) const {
    const std::size_t g = AtOrBelow(m_gammas, m_gammaSpacing, gamma);
    if (m_planes.empty() || g == m_gammas.size() || !(gamma < kHorizontal)) {
        return 0.0;
    }
    // Onto the circle that starts at the first plane; fmod, which is slow, only for angles far
    // off it. Within one turn, adding or taking 360 is as exact as fmod.
    if (!(c >= -360.0 && c < 720.0)) {
        c = std::fmod(c, 360.0);
    }
    while (c < m_planes.front()) {
        c += 360.0;
    }
    while (c >= m_planes.back()) {
        c -= 360.0;
    }
    const std::size_t p = std::min(AtOrBelow(m_planes, m_planeSpacing, c), m_planes.size() - 2);
    const double alongC = (c - m_planes[p]) / (m_planes[p + 1] - m_planes[p]);
    const double* lower = &m_intensities[p * m_gammas.size()];
    const double* upper = lower + m_gammas.size();
    if (g + 1 == m_gammas.size()) {
        // Only the last measured angle itself lies in the range.
        return gamma == m_gammas[g] ? lower[g] + (upper[g] - lower[g]) * alongC : 0.0;
    }
    const double alongGamma = (gamma - m_gammas[g]) / (m_gammas[g + 1] - m_gammas[g]);
    const double atLower = lower[g] + (lower[g + 1] - lower[g]) * alongGamma;
    const double atUpper = upper[g] + (upper[g + 1] - upper[g]) * alongGamma;
    return atLower + (atUpper - atLower) * alongC;
}
