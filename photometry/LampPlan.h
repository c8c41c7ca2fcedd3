#ifndef LUMETRIX_PHOTOMETRY_LAMPPLAN_H
#define LUMETRIX_PHOTOMETRY_LAMPPLAN_H

#include "model/ValueStore.h"
#include "photometry/Room.h"

// How many lamps a room needs once they have aged, and how to hang them: formula 7 of the main
// dialog, N Φ (w_L / 100) (w_R / 100) WF = E_R R, solved for N as the main dialog solves it.
struct LampPlan {
    double lampsNeeded;           // as formula 7 gives it, never rounded
    long wholeLamps;              // rounded up
    long rows;                    // across the width; each row runs along the length
    long columns;                 // lamps in each row
    double maintainedIlluminance; // lux that rows x columns lamps keep up, maintenance included
};

// The formula that counts the lamps.
constexpr int kLampsFormula = 7;

// From the calculation's values of formula 7 (the lamp flux, the illuminance wanted, the
// efficiencies, the room area and the maintenance factor) and the room's sides. The layout is
// the grid of rows x columns that holds the whole lamps with no row and no column to spare
// whose spacings along and across the room come closest to each other (then the one with fewer
// places); it holds a few more lamps when the number does not split evenly (7 lamps as 2 x 4 in
// a room 10 x 6 m). The room must have no problem (FindRoomProblem).
LampPlan PlanLamps(const ValueStore& calculation, const Room& room);

// The illuminance that this many lamps keep up: formula 7 solved for E_R.
double MaintainedIlluminance(const ValueStore& calculation, double lamps);

#endif
