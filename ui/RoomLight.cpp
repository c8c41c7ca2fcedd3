#include "ui/RoomLight.h"

#include "photometry/EstimatedDistribution.h"

RoomLight LightForRoom(const PhotometricLamp* lamp, double beamAngle) {
    if (lamp != nullptr) {
        return {lamp->distribution, "aus der Lichtverteilung von " + lamp->fileName};
    }
    return {EstimatedDistribution(beamAngle), "gesch\xE4tzt aus dem Abstrahlwinkel"};
}
