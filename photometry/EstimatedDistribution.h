#ifndef LUMETRIX_PHOTOMETRY_ESTIMATEDDISTRIBUTION_H
#define LUMETRIX_PHOTOMETRY_ESTIMATEDDISTRIBUTION_H

#include "photometry/LightDistribution.h"

// For a lamp known only by its beam angle (a database line or typed values): the rotationally
// symmetric distribution I = cos^n gamma below the horizontal whose intensity falls to half at
// half the beam angle, n = ln 0.5 / ln cos(alpha / 2). A beam angle of 120 degrees gives the
// cosine lamp, n = 1. The beam angle is held to the Abstrahlwinkel's limits, 1 to 120 degrees.

double CosinePowerExponent(double beamAngle);

// 1 cd at the nadir, none above the horizontal; 361 gamma angles from the nadir to where
// cos^n gamma falls to 1e-12 (or to the horizontal), between which the intensity is linear as
// between measured ones.
LightDistribution EstimatedDistribution(double beamAngle);

#endif
