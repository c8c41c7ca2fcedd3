#include "photometry/DownwardLight.h"

#include "support/Maths.h"

#include <algorithm>
#include <cmath>
#include <iterator>

// The direct ratio is a double integral over C and gamma. The square room looks the same from
// the eight directions C, 90 - C, 90 + C, ... 360 - C, so the intensities of those directions
// are summed once (the folded profile) and C runs over 0 to 45 degrees only. Within a gamma
// interval the intensity is linear and, short of the last angle at which a ray lands, the
// landing probability is (1 - t cos C / 2k)(1 - t sin C / 2k) with t = tan gamma: a polynomial
// in t. So each piece of an interval needs six integrals that depend on neither C nor k,
// prepared once; only the piece that the last landing angle cuts is integrated afresh.

namespace {

constexpr double kHorizontal = maths::kPi / 2.0;

// Gauss-Legendre with four points on [-1, 1]: exact for polynomials up to degree 7.
constexpr double kGaussNodes[] = {-0.86113631159405257522, -0.33998104358485626480,
                                  0.33998104358485626480, 0.86113631159405257522};
constexpr double kGaussWeights[] = {0.34785484513745385737, 0.65214515486254614263,
                                    0.65214515486254614263, 0.34785484513745385737};

// A gamma piece is at most half a degree long, and at most a quarter of its distance from the
// horizontal; the last one, this close to the horizontal, reaches it (its rays land only in
// rooms of an index in the millions).
constexpr double kGammaPiece = 0.5 * maths::kRadiansPerDegree;
constexpr double kLastPiece = 1e-7;
// The azimuth integral runs in pieces of 5 degrees at most between the folded plane angles.
constexpr double kAzimuthPiece = 5.0;

// Calls add(x, weight) for the four points of the Gauss-Legendre rule over [from, to].
template <typename Add> void Integrate(double from, double to, Add add) {
    const double middle = (from + to) / 2;
    const double half = (to - from) / 2;
    for (int i = 0; i < 4; ++i) {
        add(middle + half * kGaussNodes[i], half * kGaussWeights[i]);
    }
}

// Where the gamma piece that starts at `from` ends, within an interval that ends at `to`.
double PieceEnd(double from, double to) {
    if (from >= kHorizontal) {
        return std::min(to, from + kGammaPiece);
    }
    if (kHorizontal - from < kLastPiece) {
        return std::min(to, kHorizontal);
    }
    return std::min({to, kHorizontal, from + std::min(kGammaPiece, (kHorizontal - from) / 4)});
}

// The angle from 0 to 45 degrees that the square room cannot tell from c.
double Folded(double c) {
    double r = std::fmod(c, 90.0);
    if (r < 0) {
        r += 90.0;
    }
    return r > 45.0 ? 90.0 - r : r;
}

// The folded angles of the measured planes, with 0 and 45: between them the folded intensity
// is linear in C.
std::vector<double> AzimuthBreaks(const LightDistribution& distribution) {
    std::vector<double> breaks{0.0, 45.0};
    if (distribution.symmetry != PlaneSymmetry::Rotational) {
        for (double plane : distribution.planes) {
            breaks.push_back(Folded(plane));
        }
    }
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(
        std::unique(breaks.begin(), breaks.end(), [](double a, double b) { return b - a < 1e-9; }),
        breaks.end());
    return breaks;
}

} // namespace

DownwardLight::DownwardLight(const LightDistribution& distribution) {
    if (!IsWellFormed(distribution)) {
        return;
    }
    const std::vector<GammaPiece> pieces = GammaPieces(distribution.gammas);
    m_profileLength = distribution.gammas.size();
    FoldAzimuths(distribution);
    // The flux below and above the horizontal, by the same rule as the direct light.
    double upwardFlux = 0.0;
    for (std::size_t n = 0; n < m_nodes.size(); ++n) {
        const double* profile = &m_foldedProfiles[n * m_profileLength];
        for (const GammaPiece& piece : pieces) {
            const double flux =
                m_nodes[n].weight * (profile[piece.lowerGamma] * piece.lower[0] +
                                     profile[piece.lowerGamma + 1] * piece.upper[0]);
            (piece.to <= kHorizontal ? m_downwardFlux : upwardFlux) += flux;
        }
    }
    if (m_downwardFlux > 0.0) {
        m_downwardShare = m_downwardFlux / (m_downwardFlux + std::max(upwardFlux, 0.0));
    }
    std::copy_if(pieces.begin(), pieces.end(), std::back_inserter(m_pieces),
                 [](const GammaPiece& piece) { return piece.to <= kHorizontal; });
}

// The pieces between the measured gamma angles, the intervals cut at the horizontal.
std::vector<DownwardLight::GammaPiece>
DownwardLight::GammaPieces(const std::vector<double>& gammas) {
    std::vector<GammaPiece> pieces;
    for (std::size_t j = 0; j + 1 < gammas.size(); ++j) {
        const double from = gammas[j] * maths::kRadiansPerDegree;
        const double to = gammas[j + 1] * maths::kRadiansPerDegree;
        const double width = to - from;
        for (double start = from; start < to;) {
            GammaPiece piece{start, PieceEnd(start, to), j, from, width, {}, {}};
            const bool belowHorizontal = piece.to < kHorizontal;
            Integrate(piece.from, piece.to, [&](double gamma, double weight) {
                const double t = belowHorizontal ? maths::Tan(gamma) : 0.0;
                const double u = (gamma - from) / width;
                const double w = weight * maths::Sin(gamma);
                piece.lower[0] += w * (1 - u);
                piece.lower[1] += w * (1 - u) * t;
                piece.lower[2] += w * (1 - u) * t * t;
                piece.upper[0] += w * u;
                piece.upper[1] += w * u * t;
                piece.upper[2] += w * u * t * t;
            });
            pieces.push_back(piece);
            start = piece.to;
        }
    }
    return pieces;
}

// The azimuth nodes over 0 to 45 degrees, and at each the intensities at the measured gamma
// angles summed over the eight directions that the square room does not tell apart.
void DownwardLight::FoldAzimuths(const LightDistribution& distribution) {
    const std::vector<double> breaks = AzimuthBreaks(distribution);
    for (std::size_t b = 0; b + 1 < breaks.size(); ++b) {
        const double pieces = std::ceil((breaks[b + 1] - breaks[b]) / kAzimuthPiece);
        const double length = (breaks[b + 1] - breaks[b]) / pieces;
        for (double piece = 0; piece < pieces; ++piece) {
            const double from = breaks[b] + piece * length;
            Integrate(from, from + length, [&](double c, double weight) {
                m_nodes.push_back({weight * maths::kRadiansPerDegree,
                                   maths::Cos(c * maths::kRadiansPerDegree),
                                   maths::Sin(c * maths::kRadiansPerDegree)});
                const std::size_t at = m_foldedProfiles.size();
                m_foldedProfiles.resize(at + m_profileLength, 0.0);
                const double images[] = {c,         90.0 - c,  90.0 + c,  180.0 - c,
                                         180.0 + c, 270.0 - c, 270.0 + c, 360.0 - c};
                for (double image : images) {
                    const std::vector<double> profile = PlaneProfile(distribution, image);
                    for (std::size_t j = 0; j < m_profileLength; ++j) {
                        m_foldedProfiles[at + j] += profile[j];
                    }
                }
            });
        }
    }
}

double DownwardLight::DirectRatio(double roomIndex) const {
    if (!(m_downwardFlux > 0.0) || !(roomIndex > 0.0)) {
        return 0.0;
    }
    const double side = 2.0 * roomIndex;
    double direct = 0.0;
    for (std::size_t n = 0; n < m_nodes.size(); ++n) {
        const AzimuthNode& node = m_nodes[n];
        const double* profile = &m_foldedProfiles[n * m_profileLength];
        // Beyond the last angle a ray from anywhere on the ceiling leaves the room: cos C is
        // the larger of |cos C| and |sin C| here.
        const Landing landing{node.cosine / side, node.sine / side,
                              maths::Atan(side / node.cosine)};
        double sum = 0.0;
        for (std::size_t p = 0; p < m_pieces.size() && m_pieces[p].from < landing.lastAngle; ++p) {
            sum += PieceShare(m_pieces[p], profile + m_pieces[p].lowerGamma, landing);
        }
        direct += node.weight * sum;
    }
    return std::clamp(direct / m_downwardFlux, 0.0, 1.0);
}

// The integral over one gamma piece, up to the last landing angle, of the intensity times
// sin gamma times the landing probability; `profile` points at the intensity at the lower end
// of the piece's interval.
double DownwardLight::PieceShare(const GammaPiece& piece, const double* profile,
                                 const Landing& landing) {
    if (piece.to <= landing.lastAngle && piece.to < kHorizontal) {
        // (1 - t along)(1 - t across) = 1 - (along + across) t + along across t^2
        const double linear = landing.along + landing.across;
        const double quadratic = landing.along * landing.across;
        return profile[0] *
                   (piece.lower[0] - linear * piece.lower[1] + quadratic * piece.lower[2]) +
               profile[1] * (piece.upper[0] - linear * piece.upper[1] + quadratic * piece.upper[2]);
    }
    double share = 0.0;
    Integrate(piece.from, std::min(piece.to, landing.lastAngle), [&](double gamma, double weight) {
        const double t = maths::Tan(gamma);
        const double u = (gamma - piece.intervalFrom) / piece.intervalWidth;
        const double intensity = profile[0] + (profile[1] - profile[0]) * u;
        share += weight * maths::Sin(gamma) * intensity * (1 - t * landing.along) *
                 (1 - t * landing.across);
    });
    return share;
}
