#ifndef LUMETRIX_PHOTOMETRY_ROOMEFFICIENCY_H
#define LUMETRIX_PHOTOMETRY_ROOMEFFICIENCY_H

#include "photometry/DownwardLight.h"
#include "photometry/Room.h"

#include <optional>

// The Raumwirkungsgrad of a room lit by one kind of lamp, and what it rests on.
struct RoomEfficiency {
    double lightPointHeight;  // h, m
    double roomIndex;         // k
    double directRatio;       // DR at the room's own k, 0 to 1
    double downwardShare;     // D, 0 to 1
    double percent;           // the Raumwirkungsgrad, above 100 in bright, wide rooms
    bool beyondPrintedTables; // k outside 0.6 to 5
};

// Nothing when the room has a problem (FindRoomProblem).
std::optional<RoomEfficiency> CalculateRoomEfficiency(const Room& room, const DownwardLight& light);

// The printed utilance tables run from k = 0.6 to k = 5; outside, the value has no table to be
// checked against.
bool BeyondPrintedTables(double roomIndex);

// The note the room dialog shows then, Windows-1252.
extern const char* const kBeyondPrintedTablesNote;

#endif
