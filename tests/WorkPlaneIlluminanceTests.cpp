// The illuminance on the work plane point by point: the direct light worked by hand, the
// turned luminaires, the grid of EN 12464-1, the agreement with the room method and the
// refusals.
#include "photometry/DownwardLight.h"
#include "photometry/EstimatedDistribution.h"
#include "photometry/EulumdatReader.h"
#include "photometry/IesReader.h"
#include "photometry/RoomEfficiency.h"
#include "photometry/WorkPlaneIlluminance.h"
#include "support/Maths.h"
#include "tests/WholeFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr double kPi = 3.14159265358979323846;

// A table in cd/klm over the C-planes given, gamma from 0 to 180 in half degrees.
LightDistribution Table(PlaneSymmetry symmetry, std::vector<double> planes,
                        const std::function<double(double c, double gamma)>& intensity) {
    LightDistribution table;
    table.symmetry = symmetry;
    table.planes = std::move(planes);
    for (int j = 0; j <= 360; ++j) {
        table.gammas.push_back(j / 2.0);
    }
    for (double c : table.planes) {
        for (double gamma : table.gammas) {
            table.intensities.push_back(intensity(c * kPi / 180, gamma * kPi / 180));
        }
    }
    return table;
}

LightDistribution Rotational(const std::function<double(double gamma)>& intensity) {
    return Table(PlaneSymmetry::Rotational, {0.0},
                 [&](double, double gamma) { return intensity(gamma); });
}

double CosineLamp(double gamma) {
    return gamma <= kPi / 2 ? 1000 * maths::Cos(gamma) : 0.0;
}

// Brighter towards C0 than towards C180, and towards C0 than C90: nothing but the mirror about
// the C0-C180 plane to hide a wrong turn.
LightDistribution Asymmetric() {
    std::vector<double> planes;
    for (int c = 0; c <= 180; c += 15) {
        planes.push_back(c);
    }
    return Table(PlaneSymmetry::AboutC0C180, planes, [](double c, double gamma) {
        return CosineLamp(gamma) * (2 + maths::Cos(c) + 0.5 * maths::Cos(2 * c));
    });
}

// A work plane without reflections and losses: the values are the direct part alone.
Room Dark(double length, double width, double lightPointHeight) {
    Room room{length, width, lightPointHeight + 0.75};
    room.ceilingReflectance = 0;
    room.wallReflectance = 0;
    room.floorReflectance = 0;
    room.maintenanceFactor = 1;
    return room;
}

// An office 3 m high with the usual reflectances, 70/50/20, and maintenance factor 0.8.
Room Office(double length, double width) {
    return Room{length, width, 3};
}

WorkPlaneIlluminance Calculate(const Room& room, const LuminaireLayout& layout, double band,
                               const LightDistribution& table, double flux = 1000) {
    const double lampEfficiency = LuminousFlux(table) / 1000;
    const LuminaireLight light{flux, lampEfficiency, flux / 1000};
    return CalculateWorkPlaneIlluminance(room, layout, band, light, IntensityTable(table),
                                         DownwardLight(table));
}

double At(const WorkPlaneIlluminance& result, long x, long y) {
    return result.values[static_cast<std::size_t>(y * result.pointsAlong + x)];
}

// One luminaire 2 m above the middle of a work plane 6 x 6 m: the grid has 9 x 9 points 2/3 m
// apart, (4, 4) straight below the luminaire, (7, 4) and (1, 4) 2 m off along +x and -x, (4, 7)
// along +y. 2 m off, gamma is 45 degrees and cos^3 gamma / h^2 = 0.0884; the asymmetric lamp
// sends 3.5 times the cosine lamp's light towards C0, 1.5 times towards C90 and C180.
TEST(WorkPlaneIlluminance, DirectLightAsWorkedByHand) {
    struct Point {
        long x;
        long y;
        double lux;
    };
    const struct {
        const char* lamp;
        LightDistribution table;
        bool turned;
        std::vector<Point> points;
        double tolerance;
    } cases[] = {
        {"1000 cd/klm cos gamma", Rotational(CosineLamp), false, {{4, 4, 250}, {7, 4, 62.5}}, 1e-4},
        {"1000 cd/klm everywhere",
         Rotational([](double) { return 1000.0; }),
         false,
         {{4, 4, 250}, {7, 4, 88.4}},
         0.005},
        {"asymmetric", Asymmetric(), false, {{7, 4, 218.75}, {1, 4, 93.75}, {4, 7, 93.75}}, 1e-4},
        {"asymmetric, turned",
         Asymmetric(),
         true,
         {{4, 7, 218.75}, {4, 1, 93.75}, {1, 4, 93.75}},
         1e-4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lamp);
        const WorkPlaneIlluminance result = Calculate(Dark(6, 6, 2), {1, 1, c.turned}, 0, c.table);
        ASSERT_EQ(result.problem, WorkPlaneProblem::None);
        ASSERT_EQ(result.pointsAlong, 9);
        ASSERT_EQ(result.pointsAcross, 9);
        for (const Point& point : c.points) {
            EXPECT_NEAR(At(result, point.x, point.y), point.lux, point.lux * c.tolerance)
                << point.x << ", " << point.y;
        }
    }
}

// Turning the luminaires by 90 degrees in a square room is swapping x and y, the layout's
// columns and rows with them, for a distribution that is mirrored about its C0-C180 plane.
TEST(WorkPlaneIlluminance, TurnedLuminairesSwapTheAxesOfASquareRoom) {
    const LightDistribution table = Asymmetric();
    const WorkPlaneIlluminance straight = Calculate(Dark(6, 6, 2), {3, 2, false}, 0.5, table);
    const WorkPlaneIlluminance turned = Calculate(Dark(6, 6, 2), {2, 3, true}, 0.5, table);
    const WorkPlaneIlluminance notTurned = Calculate(Dark(6, 6, 2), {2, 3, false}, 0.5, table);
    ASSERT_EQ(straight.problem, WorkPlaneProblem::None);
    ASSERT_EQ(turned.pointsAlong, straight.pointsAcross);
    double notTurnedApart = 0;
    for (long y = 0; y < straight.pointsAcross; ++y) {
        for (long x = 0; x < straight.pointsAlong; ++x) {
            EXPECT_NEAR(At(turned, y, x), At(straight, x, y), At(straight, x, y) * 1e-12);
            notTurnedApart =
                std::max(notTurnedApart, std::fabs(At(notTurned, y, x) - At(straight, x, y)));
        }
    }
    EXPECT_GT(notTurnedApart, 1) << "the distribution cannot tell a turn";
}

TEST(WorkPlaneIlluminance, GridCountsFollowTheLongerSide) {
    const struct {
        double side;
        double points;
    } counts[] = {{1, 5}, {5, 9}, {10, 10}, {50, 17}, {100, 20}, {1000, 100}};
    for (const auto& count : counts) {
        SCOPED_TRACE(count.side);
        EXPECT_EQ(GridPointCount(count.side, GridSpacing(count.side)), count.points);
    }
    // The office 12 x 7 m less a band of 0.5 m: 11 m give the spacing, 1.07 m, for both sides.
    const WorkPlaneIlluminance office =
        Calculate(Dark(12, 7, 2), {4, 2, false}, 0.5, Rotational(CosineLamp));
    EXPECT_EQ(office.pointsAlong, 11);
    EXPECT_EQ(office.pointsAcross, 6);
    EXPECT_EQ(office.values.size(), 66u);
}

// The grid's light over the whole work plane is the flux the room method sends there,
// N Φ η_LB η_R WF; without reflections that is the direct part alone, N Φ η_LB D DR. They differ
// by the two methods: the direct ratio spreads the luminaires evenly over the ceiling, right up
// to the walls, where much of their light misses the work plane; the grid places them at the
// centres of their cells, half a spacing from the walls, so that more of it lands, the more the
// fewer luminaires and the narrower their beam. The denser the layout, the nearer the two: what
// remains is the grid's sampling and, in an oblong room, the room method's square room of the
// same index. The reflected part is the room method's own, spread evenly.
TEST(WorkPlaneIlluminance, GridAgreesWithTheRoomMethod) {
    const struct {
        const char* lamp;
        LightDistribution table;
        Room room;
        LuminaireLayout layout;
        double methodDifference; // the grid above the room method by no more than this
    } cases[] = {
        {"cosine lamp, 4 x 4", EstimatedDistribution(120), Dark(8, 8, 2), {4, 4, false}, 0.04},
        {"cosine lamp, 40 x 40", EstimatedDistribution(120), Dark(8, 8, 2), {40, 40, false}, 0.006},
        {"narrow beam, 4 x 4", EstimatedDistribution(40), Dark(8, 8, 2), {4, 4, false}, 0.09},
        {"narrow beam, 40 x 40", EstimatedDistribution(40), Dark(8, 8, 2), {40, 40, false}, 0.012},
        {"narrow beam, oblong, 40 x 20",
         EstimatedDistribution(40),
         Dark(8, 4, 2),
         {40, 20, false},
         0.02},
        {"asymmetric, turned, 5 x 5", Asymmetric(), Dark(12, 12, 2.5), {5, 5, true}, 0.035},
        {"asymmetric, turned, 40 x 40", Asymmetric(), Dark(12, 12, 2.5), {40, 40, true}, 0.006},
        {"cosine lamp, one alone",
         EstimatedDistribution(120),
         Dark(5, 5, 2.25),
         {1, 1, false},
         0.35},
        {"narrow beam, reflecting, 4 x 4",
         EstimatedDistribution(40),
         Office(8, 8),
         {4, 4, false},
         0.08},
        {"narrow beam, reflecting, 40 x 40",
         EstimatedDistribution(40),
         Office(8, 8),
         {40, 40, false},
         0.01},
        {"asymmetric, reflecting, 4 x 2", Asymmetric(), Office(12, 7), {4, 2, false}, 0.08},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lamp);
        const double flux = 3000;
        const double lampEfficiency = 0.8;
        const LuminaireLight light{flux, lampEfficiency,
                                   CandelaScaleForFlux(c.table, flux, lampEfficiency)};
        const DownwardLight downward(c.table);
        const WorkPlaneIlluminance result = CalculateWorkPlaneIlluminance(
            c.room, c.layout, 0, light, IntensityTable(c.table), downward);
        ASSERT_EQ(result.problem, WorkPlaneProblem::None);
        const double luminaires = static_cast<double>(c.layout.columns * c.layout.rows);
        const double roomEfficiency = CalculateRoomEfficiency(c.room, downward)->percent / 100;
        const double roomMethod =
            luminaires * flux * lampEfficiency * roomEfficiency * c.room.maintenanceFactor;
        const double grid = result.mean * c.room.length * c.room.width;
        EXPECT_GE(grid / roomMethod, 1);
        EXPECT_LE(grid / roomMethod, 1 + c.methodDifference);
    }
}

// A maker's table follows the main dialog's lamp flux, but for absolute photometry: that
// measured one luminaire as it is.
TEST(WorkPlaneIlluminance, AbsolutePhotometryIgnoresTheLampFlux) {
    const struct {
        const char* file;
        double scaleAtTwiceTheFlux; // the file's own lamp flux gives scale 1
    } cases[] = {{"absolute.ies", 1}, {"full.ies", 2}, {"asymmetric.ldt", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string name = c.file;
        const std::string text = ReadWholeFile(std::string(LUMETRIX_PHOTOMETRY) + "/" + name);
        const LuminaireReading reading =
            name.substr(name.size() - 4) == ".ies" ? ReadIes(text) : ReadEulumdat(text);
        ASSERT_TRUE(reading.data);
        const LuminaireData& data = *reading.data;
        EXPECT_DOUBLE_EQ(CandelaScale(data, 2 * data.lampSets.front().flux), c.scaleAtTwiceTheFlux);
    }
}

// Every refusal is a result with its message and no values; a room without light gives zeros,
// never a uniformity of 0 / 0.
TEST(WorkPlaneIlluminance, RefusesWhatItCannotCalculate) {
    const double infinity = std::numeric_limits<double>::infinity();
    Room noHeight = Dark(6, 6, 2);
    noHeight.suspension = 3;
    const struct {
        const char* what;
        Room room;
        LuminaireLayout layout;
        double band;
        double flux;
        WorkPlaneProblem problem;
    } cases[] = {
        {"lamps below the work plane", noHeight, {2, 2, false}, 0.5, 1000, WorkPlaneProblem::Room},
        {"no columns", Dark(6, 6, 2), {0, 2, false}, 0.5, 1000, WorkPlaneProblem::NoLuminaires},
        {"no rows", Dark(6, 6, 2), {2, 0, false}, 0.5, 1000, WorkPlaneProblem::NoLuminaires},
        {"negative rows", Dark(6, 6, 2), {2, -3, false}, 0.5, 1000, WorkPlaneProblem::NoLuminaires},
        {"10 001 luminaires",
         Dark(6, 6, 2),
         {1, 10001, false},
         0.5,
         1000,
         WorkPlaneProblem::TooManyLuminaires},
        {"100 x 100 luminaires",
         Dark(6, 6, 2),
         {100, 100, false},
         0.5,
         1000,
         WorkPlaneProblem::None},
        {"a band of half the width", Dark(6, 4, 2), {2, 2, false}, 2, 1000, WorkPlaneProblem::Band},
        {"a negative band", Dark(6, 6, 2), {2, 2, false}, -0.5, 1000, WorkPlaneProblem::Band},
        {"no band", Dark(6, 6, 2), {2, 2, false}, 0, 1000, WorkPlaneProblem::None},
        {"an endless band", Dark(6, 6, 2), {2, 2, false}, infinity, 1000, WorkPlaneProblem::Band},
        // The room's own limits keep the grid within its 10 000 points: a hall of 1 km square
        // takes exactly that many, a longer one is no room.
        {"a hall of 1 x 1 km", Dark(1000, 1000, 2), {2, 2, false}, 0, 1000, WorkPlaneProblem::None},
        {"a hall of 20 x 0.1 km",
         Dark(20000, 100, 2),
         {2, 2, false},
         0,
         1000,
         WorkPlaneProblem::Room},
        {"an endless flux", Dark(6, 6, 2), {2, 2, false}, 0.5, infinity, WorkPlaneProblem::Light},
        {"a flux beyond any number",
         Dark(6, 6, 2),
         {2, 2, false},
         0.5,
         1e307,
         WorkPlaneProblem::Light},
        {"no flux", Dark(6, 6, 2), {2, 2, false}, 0.5, 0, WorkPlaneProblem::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const WorkPlaneIlluminance result =
            Calculate(c.room, c.layout, c.band, Rotational(CosineLamp), c.flux);
        EXPECT_EQ(result.problem, c.problem);
        if (c.problem != WorkPlaneProblem::None) {
            EXPECT_TRUE(result.values.empty());
            EXPECT_STRNE(WorkPlaneProblemMessage(result.problem, result.roomProblem), "");
            continue;
        }
        EXPECT_FALSE(result.values.empty());
        for (double value : {result.mean, result.minimum, result.maximum, result.uniformity,
                             result.minimumOverMaximum, result.reflected}) {
            EXPECT_TRUE(std::isfinite(value));
        }
    }
}

} // namespace
