#include "ui/RoomFields.h"

#include "model/FormulaEvaluator.h"
#include "photometry/LampPlan.h"
#include "photometry/RoomEfficiency.h"
#include "resources/resource.h"
#include "support/Blanks.h"
#include "ui/NumericText.h"
#include "ui/RoomTakeover.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

const int kRoomInputIds[kRoomInputCount] = {
    IDC_ROOM_LENGTH,  IDC_ROOM_WIDTH, IDC_ROOM_HEIGHT, IDC_ROOM_WORK_PLANE,  IDC_ROOM_SUSPENSION,
    IDC_ROOM_CEILING, IDC_ROOM_WALLS, IDC_ROOM_FLOOR,  IDC_ROOM_MAINTENANCE,
};

namespace {

// Inputs are read with as many decimals as a field can take, so that a room comes back from its
// texts as it was typed.
constexpr int kInputDecimals = 9;
// Whole numbers of more digits lose their last ones in a double.
constexpr std::size_t kLargestWholeDigits = 15;

bool IsDigits(const std::string& part) {
    return part.find_first_not_of("0123456789") == std::string::npos;
}

// Whether the text is one number and nothing else, as a field reads it: blanks anywhere, a '-'
// before the digits, a point or a comma, whole digits that the reading keeps, and no more
// characters than it looks at.
bool IsWholeNumberText(const std::string& text) {
    if (text.size() >= static_cast<std::size_t>(kFieldTextSize)) {
        return false;
    }
    std::string compact;
    for (char c : text) {
        if (!IsBlank(c)) {
            compact += c;
        }
    }
    const std::size_t start = !compact.empty() && compact[0] == '-' ? 1 : 0;
    const std::size_t point = compact.find_first_of(".,", start);
    const std::string whole = compact.substr(start, point - start);
    const std::string decimals = point == std::string::npos ? "" : compact.substr(point + 1);
    const std::size_t significant = whole.find_first_not_of('0');
    return IsDigits(whole) && IsDigits(decimals) && !(whole.empty() && decimals.empty()) &&
           (significant == std::string::npos || whole.size() - significant <= kLargestWholeDigits);
}

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
        InputOf(room, input) = IsWholeNumberText(texts[input])
                                   ? ParseFieldValue(texts[input].c_str(), kInputDecimals)
                                   : std::numeric_limits<double>::quiet_NaN();
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

namespace {

// Whether the text holds a number, not only blanks or nothing.
bool IsFilledIn(const std::string& text) {
    return text.find_first_of("0123456789") != std::string::npos;
}

// The main dialog's values once the room is taken over, when the room has no problem.
std::optional<ValueStore> TakenOver(const Room& room, const DownwardLight& light,
                                    const ValueStore& main) {
    const std::optional<RoomEfficiency> efficiency = CalculateRoomEfficiency(room, light);
    if (!efficiency) {
        return std::nullopt;
    }
    return WithRoomTakenOver(main, room, efficiency->percent);
}

// Digits only, blanks around them, from 1 to the most lamps formula 7 counts; else none.
std::optional<long> WholeCount(const std::string& text) {
    const std::string_view digits = TrimBlanks(text);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos ||
        digits.size() > 9) {
        return std::nullopt;
    }
    const long count = std::stol(std::string(digits));
    if (count < 1 || count > kMostLampsCounted) {
        return std::nullopt;
    }
    return count;
}

PlacedLamps Placed(const ValueStore& calculation, long rows, long columns) {
    const double lamps = static_cast<double>(rows) * static_cast<double>(columns);
    return {Shown(lamps, 0), Shown(MaintainedIlluminance(calculation, lamps), 0) + " lux"};
}

} // namespace

RoomResults DescribeRoom(const RoomTexts& texts, const DownwardLight& light,
                         const ValueStore& main) {
    RoomResults results;
    const Room room = ReadRoomInputs(texts);
    const double height = LightPointHeight(room);
    if (std::isfinite(height) && IsFilledIn(texts[kInputHeight]) &&
        IsFilledIn(texts[kInputWorkPlane]) && IsFilledIn(texts[kInputSuspension])) {
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
    const ValueStore calculation = WithRoomTakenOver(main, room, efficiency->percent);
    const LampPlan plan = PlanLamps(calculation, room);
    results.lamps = std::to_string(plan.wholeLamps);
    if (plan.rows > 0) {
        results.rows = std::to_string(plan.rows);
        results.columns = std::to_string(plan.columns);
        const PlacedLamps placed = Placed(calculation, plan.rows, plan.columns);
        results.placed = placed.placed;
        results.maintainedIlluminance = placed.maintainedIlluminance;
    }
    return results;
}

PlacedLamps DescribePlacedLamps(const RoomTexts& texts, const DownwardLight& light,
                                const ValueStore& main, const std::string& rows,
                                const std::string& columns) {
    const std::optional<ValueStore> calculation = TakenOver(ReadRoomInputs(texts), light, main);
    const std::optional<long> rowCount = WholeCount(rows);
    const std::optional<long> columnCount = WholeCount(columns);
    if (!calculation || !rowCount || !columnCount ||
        static_cast<double>(*rowCount) * static_cast<double>(*columnCount) > kMostLampsCounted) {
        return {};
    }
    return Placed(*calculation, *rowCount, *columnCount);
}
