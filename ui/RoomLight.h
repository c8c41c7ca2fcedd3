#ifndef LUMETRIX_UI_ROOMLIGHT_H
#define LUMETRIX_UI_ROOMLIGHT_H

#include "photometry/LightDistribution.h"

#include <string>

// The lamp last taken from a maker's photometric file: the file's name, as in the folder
// "Leuchten", and the light distribution it measures.
struct PhotometricLamp {
    std::string fileName;
    LightDistribution distribution;
};

// The light the room dialog works with, and where it comes from, as the dialog names it.
struct RoomLight {
    LightDistribution distribution;
    std::string source;
};

// The lamp file's own distribution while it is the current lamp (lamp not null); otherwise the
// estimate from the Abstrahlwinkel, which names the lamp file whose light was not found, if any.
RoomLight LightForRoom(const PhotometricLamp* lamp, double beamAngle,
                       const std::string& missingLampFile = std::string());

#endif
