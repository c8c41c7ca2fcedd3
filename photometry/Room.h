#ifndef LUMETRIX_PHOTOMETRY_ROOM_H
#define LUMETRIX_PHOTOMETRY_ROOM_H

// A room to be lit with lamps hung evenly over its ceiling, as the planner describes it.
struct Room {
    double length = 0.0;              // a, m
    double width = 0.0;               // b, m
    double height = 0.0;              // H, floor to ceiling, m
    double workPlaneHeight = 0.75;    // above the floor, m
    double suspension = 0.0;          // the lamps hang this far below the ceiling, m
    double ceilingReflectance = 70.0; // percent, 0 to 90
    double wallReflectance = 50.0;
    double floorReflectance = 20.0;
    double maintenanceFactor = 0.8; // 0.1 to 1
};

// The reflectances in the usual sets of the printed tables: ceiling, walls, floor in percent.
struct ReflectanceSet {
    double ceiling;
    double walls;
    double floor;
};
extern const ReflectanceSet kUsualReflectanceSets[3];

// What is wrong with a room, the first in the order of its fields. The limits keep to rooms that
// can be built and lit: sides of a kilometre at most, no hall higher than 100 m, and surfaces
// that reflect no more than the whitest paint.
enum class RoomProblem {
    None,
    Length,             // outside 0.1 to 1000 m
    Width,              // outside 0.1 to 1000 m
    Height,             // above 100 m
    WorkPlaneHeight,    // below 0
    Suspension,         // below 0
    LightPointHeight,   // the lamps not above the work plane
    CeilingReflectance, // outside 0 to 90 percent
    WallReflectance,
    FloorReflectance,
    MaintenanceFactor, // outside 0.1 to 1
};

// The first problem of the room, or RoomProblem::None: the one rule for every room the program
// takes, typed, scripted or read from a file. Numbers that are not finite count as wrong.
RoomProblem FindRoomProblem(const Room& room);

// The message that names the field of a problem, Windows-1252; empty for RoomProblem::None.
const char* RoomProblemMessage(RoomProblem problem);

// The height of the lamps above the work plane: H - work plane - suspension.
double LightPointHeight(const Room& room);

// The room index k = a b / (h (a + b)), h the light-point height.
double RoomIndex(const Room& room);

#endif
