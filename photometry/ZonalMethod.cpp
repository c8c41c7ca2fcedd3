#include "photometry/ZonalMethod.h"

#include "support/Maths.h"

#include <algorithm>
#include <cmath>

namespace {

// A room of this index is as good as endless: the transfer differs from the limit in no digit
// shown, and the form factor's squares stay far from overflowing.
constexpr double kLargestRoomIndex = 1e6;

enum Surface { Ceiling, Walls, WorkPlane, kSurfaces };

using Matrix = double[kSurfaces][kSurfaces];

double Determinant(const Matrix& m) {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

} // namespace

double ParallelRectanglesFormFactor(double x, double y) {
    const double xx = 1 + x * x;
    const double yy = 1 + y * y;
    const double sum = (maths::Log(xx * yy / (xx + y * y)) / 2 +
                        x * maths::Sqrt(yy) * maths::Atan(x / maths::Sqrt(yy)) +
                        y * maths::Sqrt(xx) * maths::Atan(y / maths::Sqrt(xx)) -
                        x * maths::Atan(x) - y * maths::Atan(y));
    return 2 / (maths::kPi * x * y) * sum;
}

double WorkPlaneShare(double roomIndex, double downwardShare, double directRatio,
                      const SurfaceReflectances& reflectances) {
    const double k = std::min(roomIndex, kLargestRoomIndex);
    const double f = ParallelRectanglesFormFactor(2 * k, 2 * k);
    // formFactor[i][j]: from surface i to surface j. The walls' factors follow from the
    // ceiling's and the work plane's by reciprocity (wall area 8k against 4k^2).
    const double wallToPlane = k / 2 * (1 - f);
    const Matrix formFactor = {
        {0, 1 - f, f},
        {wallToPlane, 1 - k * (1 - f), wallToPlane},
        {f, 1 - f, 0},
    };
    const double reflectance[kSurfaces] = {reflectances.ceiling, reflectances.walls,
                                           reflectances.workPlane};
    const double first[kSurfaces] = {1 - downwardShare, downwardShare * (1 - directRatio),
                                     downwardShare * directRatio};
    // Flux_i = first_i + sum over j of reflectance_j Flux_j formFactor[j][i], solved for the
    // work plane by Cramer's rule. With no reflection the matrix is the unit matrix and the
    // result is first[WorkPlane] to the last bit.
    Matrix transfer;
    Matrix solvedForPlane;
    for (int i = 0; i < kSurfaces; ++i) {
        for (int j = 0; j < kSurfaces; ++j) {
            transfer[i][j] = (i == j ? 1.0 : 0.0) - reflectance[j] * formFactor[j][i];
            solvedForPlane[i][j] = j == WorkPlane ? first[i] : transfer[i][j];
        }
    }
    return Determinant(solvedForPlane) / Determinant(transfer);
}
