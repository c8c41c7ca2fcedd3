#ifndef LUMETRIX_PHOTOMETRY_DOWNWARDLIGHT_H
#define LUMETRIX_PHOTOMETRY_DOWNWARDLIGHT_H

#include "photometry/LightDistribution.h"

#include <cstddef>
#include <vector>

// A lamp's light below the horizontal as the room method needs it: the share of its flux that
// goes downward, and the direct ratio of a room. Preparing it reads the whole distribution
// once; after that the direct ratio of any room is quick enough to follow every keystroke.
//
// The intensity is the distribution's own: linear between the measured angles (gamma within a
// plane, C between the planes), zero outside the measured gamma range. A distribution that is
// not well formed gives no light at all.
class DownwardLight {
public:
    explicit DownwardLight(const LightDistribution& distribution);

    // The flux below the horizontal over the whole flux, 0 to 1.
    double DownwardShare() const { return m_downwardShare; }

    // The share of the downward flux that reaches the work plane directly, 0 to 1, for lamps
    // spread evenly over the ceiling of a square room of index k: side 2k at height 1 above the
    // work plane. A ray in direction (C, gamma) lands inside with the probability
    // max(0, 1 - |tan gamma cos C| / 2k) * max(0, 1 - |tan gamma sin C| / 2k); the direct
    // ratio weights it by I(C, gamma) sin gamma. 0 when no light goes downward.
    double DirectRatio(double roomIndex) const;

private:
    // A piece of a gamma interval between two measured angles, in radians, ending at the
    // horizontal or beginning there. Pieces are short, and shorter towards the horizontal from
    // below, where tan gamma grows without bound.
    struct GammaPiece {
        double from;
        double to;
        std::size_t lowerGamma; // the measured angle at the interval's lower end
        double intervalFrom;
        double intervalWidth; // over which the intensity is linear
        // The integral of sin(gamma) tan(gamma)^p times the weight of the intensity at the
        // interval's lower and at its upper end, p = 0, 1, 2; p > 0 only below the horizontal.
        double lower[3];
        double upper[3];
    };
    // A point of the azimuth integral over 0 to 45 degrees, which the square room's symmetry
    // folds the whole circle into.
    struct AzimuthNode {
        double weight; // radians
        double cosine; // of C, at least cos 45 degrees
        double sine;
    };

    // Where the rays of one azimuth land in a room: the landing probability is
    // (1 - t along)(1 - t across) with t = tan gamma, up to the last angle that lands at all.
    struct Landing {
        double along;
        double across;
        double lastAngle;
    };

    static std::vector<GammaPiece> GammaPieces(const std::vector<double>& gammas);
    void FoldAzimuths(const LightDistribution& distribution);
    static double PieceShare(const GammaPiece& piece, const double* profile,
                             const Landing& landing);

    std::vector<GammaPiece> m_pieces;
    std::vector<AzimuthNode> m_nodes;
    // Per azimuth node, the intensities at the measured gamma angles summed over the eight
    // directions that the square room does not tell apart; m_profileLength a node.
    std::vector<double> m_foldedProfiles;
    std::size_t m_profileLength = 0;
    double m_downwardFlux = 0.0; // in the units of the folded integral
    double m_downwardShare = 0.0;
};

#endif
