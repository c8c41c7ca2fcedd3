#include "ui/RoomLight.h"

#include "photometry/EstimatedDistribution.h"

RoomLight LightForRoom(const PhotometricLamp* lamp, double beamAngle,
                       const std::string& missingLampFile) {
    if (lamp != nullptr) {
        return {lamp->distribution, "aus der Lichtverteilung von " + lamp->fileName};
    }
    const std::string estimate = "gesch\xE4tzt aus dem Abstrahlwinkel";
    if (!missingLampFile.empty()) {
        return {EstimatedDistribution(beamAngle), "Die Lichtverteilung von " + missingLampFile +
                                                      " wurde nicht gefunden: " + estimate};
    }
    return {EstimatedDistribution(beamAngle), estimate};
}
