#include "photometry/RoomEfficiency.h"

#include "photometry/ZonalMethod.h"

const char* const kBeyondPrintedTablesNote =
    "Der Raumindex liegt au\xDF"
    "erhalb von 0,6 bis 5, wo die gedruckten Tabellen enden.";

bool BeyondPrintedTables(double roomIndex) {
    return !(roomIndex >= 0.6 && roomIndex <= 5.0);
}

std::optional<RoomEfficiency> CalculateRoomEfficiency(const Room& room,
                                                      const DownwardLight& light) {
    if (FindRoomProblem(room) != RoomProblem::None) {
        return std::nullopt;
    }
    RoomEfficiency result{};
    result.lightPointHeight = LightPointHeight(room);
    result.roomIndex = RoomIndex(room);
    result.directRatio = light.DirectRatio(result.roomIndex);
    result.downwardShare = light.DownwardShare();
    const SurfaceReflectances reflectances{room.ceilingReflectance / 100,
                                           room.wallReflectance / 100, room.floorReflectance / 100};
    result.percent =
        WorkPlaneShare(result.roomIndex, result.downwardShare, result.directRatio, reflectances) *
        100;
    result.beyondPrintedTables = BeyondPrintedTables(result.roomIndex);
    return result;
}
