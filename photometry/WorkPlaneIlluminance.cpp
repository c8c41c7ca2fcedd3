#include "photometry/WorkPlaneIlluminance.h"

#include "photometry/RoomEfficiency.h"
#include "photometry/WholeCount.h"
#include "support/Maths.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

bool NonNegative(double value) {
    return std::isfinite(value) && value >= 0.0;
}

// The centres of `count` equal cells over `length` from `from`.
std::vector<double> CellCentres(double from, double length, long count) {
    std::vector<double> centres;
    centres.reserve(static_cast<std::size_t>(count));
    for (long i = 0; i < count; ++i) {
        centres.push_back(from + (static_cast<double>(i) + 0.5) * length / count);
    }
    return centres;
}

// Where the luminaires' light centres are, above the work plane.
struct Luminaires {
    std::vector<double> x;
    std::vector<double> y;
    double height;
    bool turned;
};

// The sum over the luminaires of I(C, gamma) cos^3 gamma / h^2 at the point (x, y), I in the
// table's units: cos^3 gamma / h^2 is h / d^3, d the distance from the light centre.
double DirectSum(double x, double y, const Luminaires& luminaires,
                 const IntensityTable& intensities) {
    const double h = luminaires.height;
    double sum = 0.0;
    for (double luminaireY : luminaires.y) {
        const double dy = y - luminaireY;
        for (double luminaireX : luminaires.x) {
            const double dx = x - luminaireX;
            const double horizontal = dx * dx + dy * dy;
            const double gamma =
                maths::QuickAtan2(maths::Sqrt(horizontal), h) * maths::kDegreesPerRadian;
            // C from the luminaire's C0 towards its C90: turned, C0 is +y and C90 is -x.
            const double c =
                (luminaires.turned ? maths::QuickAtan2(-dx, dy) : maths::QuickAtan2(dy, dx)) *
                maths::kDegreesPerRadian;
            const double squared = horizontal + h * h;
            sum += intensities.At(c, gamma) * h / (squared * maths::Sqrt(squared));
        }
    }
    return sum;
}

// The grid's points along the length and across the width of the area, as doubles: a side may
// hold more of them than a long can count.
struct GridCounts {
    double along;
    double across;
};

GridCounts CountGridPoints(double along, double across) {
    const double spacing = GridSpacing(std::max(along, across));
    return {GridPointCount(along, spacing), GridPointCount(across, spacing)};
}

WorkPlaneIlluminance Refused(WorkPlaneProblem problem) {
    WorkPlaneIlluminance result;
    result.problem = problem;
    return result;
}

// The first problem of the layout, the band and the light, before any point is worked out.
WorkPlaneProblem FindLayoutProblem(const Room& room, const LuminaireLayout& layout, double band,
                                   const LuminaireLight& light) {
    if (layout.columns <= 0 || layout.rows <= 0) {
        return WorkPlaneProblem::NoLuminaires;
    }
    if (static_cast<double>(layout.columns) * static_cast<double>(layout.rows) >
        kMostGridLuminaires) {
        return WorkPlaneProblem::TooManyLuminaires;
    }
    if (!NonNegative(band) || !(room.length - 2 * band > 0.0) || !(room.width - 2 * band > 0.0)) {
        return WorkPlaneProblem::Band;
    }
    const GridCounts points = CountGridPoints(room.length - 2 * band, room.width - 2 * band);
    if (points.along * points.across > kMostGridPoints) {
        return WorkPlaneProblem::TooManyPoints;
    }
    if (!NonNegative(light.flux) || !NonNegative(light.lampEfficiency) ||
        !NonNegative(light.candelaScale)) {
        return WorkPlaneProblem::Light;
    }
    return WorkPlaneProblem::None;
}

// The even reflected part before maintenance: N Φ η_LB (η_R - D DR) / (a b), the flux that
// reaches the work plane after reflections.
double ReflectedIlluminance(const Room& room, const LuminaireLayout& layout,
                            const LuminaireLight& light, const DownwardLight& downward) {
    const std::optional<RoomEfficiency> efficiency = CalculateRoomEfficiency(room, downward);
    const double reflectedShare = std::max(
        0.0, efficiency->percent / 100 - efficiency->downwardShare * efficiency->directRatio);
    const double luminaires = static_cast<double>(layout.columns) * layout.rows;
    return luminaires * light.flux * light.lampEfficiency * reflectedShare /
           (room.length * room.width);
}

void Summarise(WorkPlaneIlluminance& result) {
    double sum = 0.0;
    result.minimum = result.values.front();
    result.maximum = result.values.front();
    for (double value : result.values) {
        sum += value;
        result.minimum = std::min(result.minimum, value);
        result.maximum = std::max(result.maximum, value);
    }
    result.mean = sum / static_cast<double>(result.values.size());
    result.uniformity = result.mean > 0.0 ? result.minimum / result.mean : 0.0;
    result.minimumOverMaximum = result.maximum > 0.0 ? result.minimum / result.maximum : 0.0;
}

} // namespace

double CandelaScaleForFlux(const LightDistribution& distribution, double flux,
                           double lampEfficiency) {
    const double tableFlux = LuminousFlux(distribution);
    return tableFlux > 0.0 ? flux * lampEfficiency / tableFlux : 0.0;
}

double GridSpacing(double longerSide) {
    const double log10 = maths::Log(longerSide) / maths::Log(10.0);
    return std::min(0.2 * maths::Pow(5.0, log10), 10.0);
}

double GridPointCount(double side, double spacing) {
    return std::max(1.0, WholeCountFor(side / spacing));
}

WorkPlaneIlluminance CalculateWorkPlaneIlluminance(const Room& room, const LuminaireLayout& layout,
                                                   double band, const LuminaireLight& light,
                                                   const IntensityTable& intensities,
                                                   const DownwardLight& downward) {
    const RoomProblem roomProblem = FindRoomProblem(room);
    if (roomProblem != RoomProblem::None) {
        WorkPlaneIlluminance result = Refused(WorkPlaneProblem::Room);
        result.roomProblem = roomProblem;
        return result;
    }
    const WorkPlaneProblem problem = FindLayoutProblem(room, layout, band, light);
    if (problem != WorkPlaneProblem::None) {
        return Refused(problem);
    }
    const Luminaires luminaires{CellCentres(0.0, room.length, layout.columns),
                                CellCentres(0.0, room.width, layout.rows), LightPointHeight(room),
                                layout.turned};
    const double along = room.length - 2 * band;
    const double across = room.width - 2 * band;
    const GridCounts points = CountGridPoints(along, across);
    WorkPlaneIlluminance result;
    result.pointsAlong = static_cast<long>(points.along);
    result.pointsAcross = static_cast<long>(points.across);
    const std::vector<double> pointsX = CellCentres(band, along, result.pointsAlong);
    const std::vector<double> pointsY = CellCentres(band, across, result.pointsAcross);
    const double maintenance = room.maintenanceFactor;
    const double reflected = ReflectedIlluminance(room, layout, light, downward);
    result.reflected = maintenance * reflected;
    result.values.reserve(pointsX.size() * pointsY.size());
    for (double y : pointsY) {
        for (double x : pointsX) {
            const double direct = light.candelaScale * DirectSum(x, y, luminaires, intensities);
            result.values.push_back(maintenance * (direct + reflected));
        }
    }
    Summarise(result);
    if (!std::isfinite(result.mean) || !std::isfinite(result.maximum)) {
        return Refused(WorkPlaneProblem::Light);
    }
    return result;
}

const char* WorkPlaneProblemMessage(WorkPlaneProblem problem, RoomProblem roomProblem) {
    switch (problem) {
    case WorkPlaneProblem::Room:
        return RoomProblemMessage(roomProblem);
    case WorkPlaneProblem::NoLuminaires:
        return "Die Anordnung braucht mindestens eine Reihe und eine Spalte !";
    case WorkPlaneProblem::TooManyLuminaires:
        return "Mehr als 10 000 Leuchten kann die Verteilung nicht berechnen !";
    case WorkPlaneProblem::Band:
        return "Die Randzone muss mindestens 0 sein und eine Fl\xE4"
               "che \xFC"
               "brig lassen !";
    case WorkPlaneProblem::TooManyPoints:
        return "Mehr als 10 000 Rasterpunkte kann die Verteilung nicht berechnen !";
    case WorkPlaneProblem::Light:
        return "Mit diesem Lichtstrom ergibt die Verteilung keine endlichen Werte !";
    case WorkPlaneProblem::None:
        break;
    }
    return "";
}
