#ifndef LUMETRIX_PHOTOMETRY_LAMPPLAN_H
#define LUMETRIX_PHOTOMETRY_LAMPPLAN_H

#include "model/ValueStore.h"
#include "photometry/Room.h"

// How many lamps a room needs once they have aged, and how to hang them: formula 7 of the main
// dialog, N Φ (w_L / 100) (w_R / 100) = E_R R, with the maintenance factor added to the left.
struct LampPlan {
    double lampsNeeded;           // as formula 7 gives it, never rounded
    long wholeLamps;              // rounded up
    long rows;                    // across the width; each row runs along the length
    long columns;                 // lamps in each row
    double maintainedIlluminance; // lux that the whole lamps keep up, maintenance factor included
};

// From the main dialog's current lamp flux (quantity 1), illuminance wanted (14) and lamp
// efficiency (20), the room's area a b and maintenance factor, and the room efficiency in
// percent. The layout is the grid of rows x columns that holds the whole lamps with no row and
// no column to spare whose spacings along and across the room come closest to each other
// (then the one with fewer places); it holds a few more lamps when the number does not split
// evenly (7 lamps as 2 x 4 in a room 10 x 6 m). The room must have no problem
// (FindRoomProblem).
LampPlan PlanLamps(const ValueStore& main, const Room& room, double roomEfficiency);

#endif
