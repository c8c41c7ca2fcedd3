#ifndef LUMETRIX_PHOTOMETRY_BEAMANGLE_H
#define LUMETRIX_PHOTOMETRY_BEAMANGLE_H

#include "photometry/LightDistribution.h"

#include <optional>
#include <vector>

// The full beam angle at half the peak intensity, in degrees: the mean over the planes C0-C180
// and C90-C270. In each, the profile over the lower half-space runs from -90 degrees (on the C180
// or C270 side) over the nadir to +90 degrees (C0 or C90 side). Nothing when a plane has no half
// point on either side within the lower half-space, as for an uplight or a batwing that spreads
// past the horizontal.
std::optional<double> HalfPeakBeamAngle(const LightDistribution& distribution);

// One point of an intensity profile across a plane.
struct ProfilePoint {
    double angle; // degrees, ascending along the profile
    double intensity;
};

// The width of a profile at half its peak: from the maximum, the walk outward on either side
// stops at the first angle where the intensity has fallen to half the maximum, found linearly
// between the measured angles. Nothing when one side never falls that far, or when the profile
// holds no light.
std::optional<double> HalfPeakWidth(const std::vector<ProfilePoint>& profile);

#endif
