#ifndef LUMETRIX_PHOTOMETRY_ZONALMETHOD_H
#define LUMETRIX_PHOTOMETRY_ZONALMETHOD_H

// The flux transfer between the three surfaces of a room, as the zonal method of the printed
// utilance tables has it: the ceiling plane at the height of the lamps, the walls, and the work
// plane. Everything depends on the room index k alone: the room is a square of side 2k whose
// ceiling plane lies at height 1 above the work plane.

// The form factor from a rectangle of sides x and y to an equal one parallel and opposite at
// distance 1: the share of the diffuse light leaving the one that reaches the other.
double ParallelRectanglesFormFactor(double x, double y);

// Reflectances as fractions, 0 to 1 (below 1, or the light never dies away).
struct SurfaceReflectances {
    double ceiling;
    double walls;
    double workPlane;
};

// The share of the lamps' flux that reaches the work plane, directly and after any number of
// diffuse reflections (the utilance; above 1 in bright, wide rooms). First incidence per unit
// of lamp flux: the work plane gets D DR, the walls D (1 - DR), the ceiling plane 1 - D. With
// all reflectances 0 it is D DR.
double WorkPlaneShare(double roomIndex, double downwardShare, double directRatio,
                      const SurfaceReflectances& reflectances);

#endif
