#include "photometry/IntensityTable.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// The index of the last angle at or below `angle`; angles.size() when the first is above it.
std::size_t AtOrBelow(const std::vector<double>& angles, double angle) {
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
    m_planes = unfolded.planes;
    m_gammas = unfolded.gammas;
    m_intensities = unfolded.intensities;
    // The circle closes: the first plane follows the last one.
    m_planes.push_back(m_planes.front() + 360.0);
    m_intensities.insert(m_intensities.end(), unfolded.intensities.begin(),
                         unfolded.intensities.begin() +
                             static_cast<std::ptrdiff_t>(m_gammas.size()));
}

double IntensityTable::At(double c, double gamma) const {
    const std::size_t g = AtOrBelow(m_gammas, gamma);
    if (m_planes.empty() || g == m_gammas.size()) {
        return 0.0;
    }
    c = std::fmod(c, 360.0);
    c += c < m_planes.front() ? 360.0 : 0.0;
    const std::size_t p = std::min(AtOrBelow(m_planes, c), m_planes.size() - 2);
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
