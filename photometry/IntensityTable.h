#ifndef LUMETRIX_PHOTOMETRY_INTENSITYTABLE_H
#define LUMETRIX_PHOTOMETRY_INTENSITYTABLE_H

#include "photometry/LightDistribution.h"

#include <vector>

// A light distribution's light below the horizontal, all that reaches a work plane directly,
// made ready to be read in any direction many times over: its planes unfolded round the whole
// circle once, so that a reading is two searches and a bilinear interpolation without
// allocating (evenly spaced angles need no search), in half the memory of the whole table.
class IntensityTable {
public:
    // A distribution that is not well formed gives no light in any direction.
    explicit IntensityTable(const LightDistribution& distribution);

    // The intensity in the table's own units in the direction (c, gamma), degrees: linear in
    // gamma between the measured angles and in C between the planes (across C360 to the first
    // plane too); 0 outside the measured gamma range and from the horizontal (90) up.
    double At(double c, double gamma) const;

private:
    std::vector<double> m_planes; // ascending from below 360, the first again 360 further on
    std::vector<double> m_gammas;
    std::vector<double> m_intensities; // plane after plane, as m_planes
    // The spacing of evenly spaced angles, which finds an angle's place without a search; 0
    // for uneven ones.
    double m_planeSpacing = 0.0;
    double m_gammaSpacing = 0.0;
};

#endif
