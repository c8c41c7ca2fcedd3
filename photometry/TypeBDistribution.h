#ifndef LUMETRIX_PHOTOMETRY_TYPEBDISTRIBUTION_H
#define LUMETRIX_PHOTOMETRY_TYPEBDISTRIBUTION_H

#include <optional>
#include <vector>

// A floodlight's intensity distribution in photometry of type B: planes through a horizontal
// axis across the luminaire. The vertical angle V tilts a plane about that axis, the horizontal
// angle H runs within the plane towards the axis; both go from -90 to 90 degrees, with the
// optical axis at 0. A list of angles that starts at 0 stands for its mirror image as well.
struct TypeBDistribution {
    std::vector<double> vertical;    // V, ascending
    std::vector<double> horizontal;  // H, ascending
    std::vector<double> intensities; // candela: for each H the values over V

    double At(std::size_t h, std::size_t v) const { return intensities[h * vertical.size() + v]; }
};

// Whether a list of angles fits type B: at least two, ascending, from -90 or more up to at most
// 90, starting at 0 or below it.
bool AreTypeBAngles(const std::vector<double>& angles);

// The luminous flux in lumen: the intensity integrated over the measured directions (the solid
// angle of a direction is cos H dH dV), linear between the measured angles, zero outside them.
double TypeBLuminousFlux(const TypeBDistribution& distribution);

// The full beam angle at half the peak intensity: the mean over the two main planes, the
// horizontal one (V = 0) and the vertical one (H = 0). Nothing when either cannot state it.
std::optional<double> TypeBBeamAngle(const TypeBDistribution& distribution);

#endif
