#include "photometry/LampPlan.h"

#include "model/FormulaEvaluator.h"
#include "photometry/WholeCount.h"
#include "support/Maths.h"

#include <algorithm>
#include <cmath>

namespace {

// How many numbers of columns and of rows on either side of the ideal ones the layout tries.
constexpr long kSearchWidth = 3;

struct Grid {
    long rows;
    long columns;
};

// How far the spacing along the length is from that across the width, either way.
double Mismatch(const Grid& grid, const Room& room) {
    return std::fabs(maths::Log(room.length / grid.columns * grid.rows / room.width));
}

// Whether the grid holds the lamps with no row and no column to spare.
bool Tight(const Grid& grid, long lamps) {
    return grid.rows * grid.columns >= lamps && (grid.rows - 1) * grid.columns < lamps &&
           grid.rows * (grid.columns - 1) < lamps;
}

// Of the tight grids for a number of lamps, the one whose spacings along and across come
// closest, then the one with fewer places. The mismatch grows the further the number of
// columns (or rows) is from its ideal, so the grids near the ideal numbers are enough.
Grid LampGrid(long lamps, const Room& room) {
    if (lamps <= 0) {
        return {0, 0};
    }
    Grid best{1, lamps};
    const auto consider = [&](const Grid& grid) {
        if (!Tight(grid, lamps)) {
            return;
        }
        const double mismatch = Mismatch(grid, room);
        const double bestMismatch = Mismatch(best, room);
        if (mismatch < bestMismatch ||
            (mismatch == bestMismatch && grid.rows * grid.columns < best.rows * best.columns)) {
            best = grid;
        }
    };
    const auto near = [lamps](double ideal, long step) {
        return static_cast<long>(
            std::clamp(std::floor(ideal) + step, 1.0, static_cast<double>(lamps)));
    };
    const auto holding = [lamps](long across) { return (lamps + across - 1) / across; };
    consider({lamps, 1});
    const double idealColumns = maths::Sqrt(lamps * room.length / room.width);
    const double idealRows = maths::Sqrt(lamps * room.width / room.length);
    for (long step = -kSearchWidth; step <= kSearchWidth + 1; ++step) {
        const long columns = near(idealColumns, step);
        consider({holding(columns), columns});
        const long rows = near(idealRows, step);
        consider({rows, holding(rows)});
    }
    return best;
}

} // namespace

LampPlan PlanLamps(const ValueStore& calculation, const Room& room) {
    ValueStore values = calculation;
    SolveFormula(values, kLampsFormula, kLampsNeeded);
    LampPlan plan{};
    plan.lampsNeeded = values.value[kLampsNeeded];
    plan.wholeLamps = static_cast<long>(WholeCountFor(plan.lampsNeeded));
    const Grid grid = LampGrid(plan.wholeLamps, room);
    plan.rows = grid.rows;
    plan.columns = grid.columns;
    plan.maintainedIlluminance =
        MaintainedIlluminance(calculation, static_cast<double>(grid.rows * grid.columns));
    return plan;
}

double MaintainedIlluminance(const ValueStore& calculation, double lamps) {
    ValueStore values = calculation;
    values.value[kLampsNeeded] = lamps;
    SolveFormula(values, kLampsFormula, kRoomIlluminance);
    return values.value[kRoomIlluminance];
}
