#include "ui/RoomFields.h"

#include "photometry/LampPlan.h"
#include "photometry/RoomEfficiency.h"
#include "resources/resource.h"
#include "ui/NumericText.h"
#include "ui/RoomTakeover.h"

#include <cmath>

const int kRoomInputIds[kRoomInputCount] = {
    IDC_ROOM_LENGTH,  IDC_ROOM_WIDTH, IDC_ROOM_HEIGHT, IDC_ROOM_WORK_PLANE,  IDC_ROOM_SUSPENSION,
    IDC_ROOM_CEILING, IDC_ROOM_WALLS, IDC_ROOM_FLOOR,  IDC_ROOM_MAINTENANCE,
};

namespace {

// Inputs are read with as many decimals as a field can take, so that a room comes back from its
// texts as it was typed.
constexpr int kInputDecimals = 9;

double& InputOf(Room& room, int input) {
    double* const inputs[kRoomInputCount] = {
        &room.length,
        &room.width,
        &room.height,
        &room.workPlaneHeight,
        &room.suspension,
        &room.ceilingReflectance,
        &room.wallReflectance,
        &room.floorReflectance,
        &room.maintenanceFactor,
    };
    return *inputs[input];
}

// The value with the decimals it needs, at least `fewest`: 0.75, 10.00, 70.
std::string InputText(double value, int fewest) {
    char text[kFieldTextSize];
    FormatFieldValue(value, kInputDecimals, text);
    std::string shown = text;
    const std::size_t point = shown.find('.');
    std::size_t end = shown.size();
    while (end > point + 1 + fewest && shown[end - 1] == '0') {
        --end;
    }
    if (end == point + 1) {
        --end;
    }
    return shown.substr(0, end);
}

std::string Shown(double value, int decimals) {
    char text[kFieldTextSize];
    FormatFieldValue(value, decimals, text);
    return text;
}

} // namespace

RoomTexts RoomInputTexts(const std::optional<Room>& room) {
    Room values = room.value_or(Room{});
    RoomTexts texts;
    for (int input = 0; input < kRoomInputCount; ++input) {
        const bool reflectance = input >= kInputCeiling && input <= kInputFloor;
        texts[input] = InputText(InputOf(values, input), reflectance ? 0 : 2);
    }
    if (!room) {
        texts[kInputLength].clear();
        texts[kInputWidth].clear();
        texts[kInputHeight].clear();
    }
    return texts;
}

Room ReadRoomInputs(const RoomTexts& texts) {
    Room room;
    for (int input = 0; input < kRoomInputCount; ++input) {
        InputOf(room, input) = ParseFieldValue(texts[input].c_str(), kInputDecimals);
    }
    return room;
}

std::string UsualSetText(int set) {
    const ReflectanceSet& usual = kUsualReflectanceSets[set];
    return InputText(usual.ceiling, 0) + " / " + InputText(usual.walls, 0) + " / " +
           InputText(usual.floor, 0);
}

int UsualSetOf(const Room& room) {
    for (int set = 0; set < static_cast<int>(std::size(kUsualReflectanceSets)); ++set) {
        const ReflectanceSet& usual = kUsualReflectanceSets[set];
        if (room.ceilingReflectance == usual.ceiling && room.wallReflectance == usual.walls &&
            room.floorReflectance == usual.floor) {
            return set;
        }
    }
    return -1;
}

RoomResults DescribeRoom(const Room& room, const DownwardLight& light, const ValueStore& main) {
    RoomResults results;
    const double height = LightPointHeight(room);
    if (std::isfinite(height)) {
        results.lightPointHeight = Shown(height, 2) + " m";
    }
    const std::optional<RoomEfficiency> efficiency = CalculateRoomEfficiency(room, light);
    if (!efficiency) {
        return results;
    }
    results.roomIndex = Shown(efficiency->roomIndex, 2);
    results.directRatio = Shown(efficiency->directRatio, 3);
    results.downwardShare = Shown(efficiency->downwardShare * 100, 1) + " %";
    results.efficiency = Shown(efficiency->percent, 1) + " %";
    if (efficiency->beyondPrintedTables) {
        results.note = kBeyondPrintedTablesNote;
    }
    const LampPlan plan = PlanLamps(WithRoomTakenOver(main, room, efficiency->percent), room);
    results.lamps = std::to_string(plan.wholeLamps);
    results.layout = std::to_string(plan.rows) + " \xD7 " + std::to_string(plan.columns);
    results.maintainedIlluminance = Shown(plan.maintainedIlluminance, 0) + " lux";
    return results;
}
