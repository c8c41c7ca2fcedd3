#ifndef LUMETRIX_PHOTOMETRY_WORKPLANEILLUMINANCE_H
#define LUMETRIX_PHOTOMETRY_WORKPLANEILLUMINANCE_H

#include "photometry/DownwardLight.h"
#include "photometry/IntensityTable.h"
#include "photometry/Room.h"

#include <vector>

// The maintained illuminance on the work plane point by point (the point method): the direct
// light of every luminaire by the inverse square law and the cosine law, from its own intensity
// table, plus the reflected light of the room method's three surfaces, taken as spread evenly.
// The points form the grid of EN 12464-1 over the work plane less a band along the walls.
//
// Room axes: x along the length, y along the width, the work plane at z = 0 and the
// luminaires' light centres at the light-point height h above it.

// How the luminaires hang: at the centres of equal cells, `columns` along the length and `rows`
// across the width. C0 points along +x and C90 along +y; turned, C0 points along +y.
struct LuminaireLayout {
    long columns = 0;
    long rows = 0;
    bool turned = false;
};

// One luminaire's light. The direct light reads the intensity table times candelaScale, in
// candela (CandelaScale for a maker's file, the flux over 1000 for a table in cd/klm); the
// reflected light follows from the lamp flux Φ in lm and the lamp efficiency η_LB
// (the luminaire's flux over its lamps', 0 to 1).
struct LuminaireLight {
    double flux = 0.0;
    double lampEfficiency = 0.0;
    double candelaScale = 0.0;
};

// The candela scale that gives a table (the estimate from the beam angle) the luminaire flux
// Φ η_LB.
double CandelaScaleForFlux(const LightDistribution& distribution, double flux,
                           double lampEfficiency);

// Why there is no result, in the order the calculation checks.
enum class WorkPlaneProblem {
    None,
    Room,              // the room has a problem of its own (roomProblem), h <= 0 among them
    NoLuminaires,      // no rows or no columns
    TooManyLuminaires, // more than kMostGridLuminaires
    Band,              // negative, or leaving no area
    TooManyPoints,     // more than kMostGridPoints
    Light,             // the light's values give no finite illuminance
};

constexpr long kMostGridLuminaires = 10000;
constexpr long kMostGridPoints = 10000;

struct WorkPlaneIlluminance {
    WorkPlaneProblem problem = WorkPlaneProblem::None;
    RoomProblem roomProblem = RoomProblem::None;
    long pointsAlong = 0;  // along x, the length
    long pointsAcross = 0; // along y, the width
    // The maintained illuminance in lx at each point, row after row: y ascending, within a row
    // x ascending. The points lie at the centres of equal cells of the area less the band.
    std::vector<double> values;
    double reflected = 0.0; // the maintained reflected part, even over the work plane, lx
    double mean = 0.0;      // Ē
    double minimum = 0.0;
    double maximum = 0.0;
    double uniformity = 0.0;         // U0 = E_min / Ē, 0 when Ē is 0
    double minimumOverMaximum = 0.0; // 0 when E_max is 0
};

// The grid spacing of EN 12464-1 for an area whose longer side is d m: 0.2 · 5^log10(d) m, at
// most 10 m.
double GridSpacing(double longerSide);

// The points along a side of an area at the grid spacing: ⌈side / spacing⌉, at least 1, within
// a tolerance of 1e-9 (1 m at 0.2 m gives 5); a double, since a side may hold more points than
// a long can count.
double GridPointCount(double side, double spacing);

// The whole calculation. The reflected part takes η_R, D and DR at the room's k from
// `downward`, as the room dialog does.
WorkPlaneIlluminance CalculateWorkPlaneIlluminance(const Room& room, const LuminaireLayout& layout,
                                                   double band, const LuminaireLight& light,
                                                   const IntensityTable& intensities,
                                                   const DownwardLight& downward);

// The message the dialog shows for a problem, Windows-1252: the room's own message for
// WorkPlaneProblem::Room; empty for WorkPlaneProblem::None.
const char* WorkPlaneProblemMessage(WorkPlaneProblem problem, RoomProblem roomProblem);

#endif
