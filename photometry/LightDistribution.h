#ifndef LUMETRIX_PHOTOMETRY_LIGHTDISTRIBUTION_H
#define LUMETRIX_PHOTOMETRY_LIGHTDISTRIBUTION_H

#include <vector>

// A lamp's luminous intensity distribution as the makers' photometric files give it: the
// intensity in candela over C-planes (the angle around the vertical axis, C0 along the lamp)
// and, within each plane, over the angle gamma from the nadir (0) to the zenith (180).

// The largest grid the program reads: half a degree over both angles.
constexpr int kMaximumPlanes = 721;
constexpr int kMaximumGammas = 361;

// Which C-planes the measured ones stand for.
enum class PlaneSymmetry {
    None,         // the measured planes go round the whole circle
    Rotational,   // one plane stands for all
    AboutC0C180,  // I(C) = I(360 - C): the planes from C0 to C180 are measured
    AboutC90C270, // I(C) = I(180 - C): the planes from C270 over C0 to C90 (or C90 to C270)
    Quadrants,    // both mirrors: the planes from C0 to C90 are measured
};

struct LightDistribution {
    PlaneSymmetry symmetry = PlaneSymmetry::Rotational;
    std::vector<double> planes;      // C angles of the measured planes in degrees, ascending
    std::vector<double> gammas;      // gamma angles in degrees, ascending within 0 to 180
    std::vector<double> intensities; // candela, plane after plane, one per gamma angle

    double At(std::size_t plane, std::size_t gamma) const {
        return intensities[plane * gammas.size() + gamma];
    }
};

// Whether the angles ascend strictly and lie within lowest to highest (none is a fit too).
bool AnglesAscendWithin(const std::vector<double>& angles, double lowest, double highest);

// Whether the angles fit the distribution: gammas ascending within 0 to 180, planes ascending
// and spanning less than a full turn, as many intensities as both angles give.
bool IsWellFormed(const LightDistribution& distribution);

// The intensities over the gamma angles in the plane at angle c (any number of degrees),
// interpolated linearly between the two planes around it.
std::vector<double> PlaneProfile(const LightDistribution& distribution, double c);

// The same distribution with its planes round the whole circle, 0 to below 360 degrees, each
// angle once: the measured planes and their mirror images. One plane stays one plane
// (rotational symmetry); a distribution that is not well formed comes back as it is.
LightDistribution Unfolded(const LightDistribution& distribution);

// The luminous flux in lumen: the intensity integrated over the whole sphere, linear between
// the measured gamma angles, each plane standing for the half-way range to its neighbours.
// Outside the measured gamma angles the intensity counts as zero.
double LuminousFlux(const LightDistribution& distribution);

#endif
