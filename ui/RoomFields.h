#ifndef LUMETRIX_UI_ROOMFIELDS_H
#define LUMETRIX_UI_ROOMFIELDS_H

#include "model/ValueStore.h"
#include "photometry/DownwardLight.h"
#include "photometry/Room.h"

#include <array>
#include <optional>
#include <string>

// What the room dialog shows, as plain texts: its inputs and what follows from them.

// The inputs in the dialog's tab order.
enum RoomInput : int {
    kInputLength,
    kInputWidth,
    kInputHeight,
    kInputWorkPlane,
    kInputSuspension,
    kInputCeiling,
    kInputWalls,
    kInputFloor,
    kInputMaintenance,
};
constexpr int kRoomInputCount = kInputMaintenance + 1;

// The edit of each input.
extern const int kRoomInputIds[kRoomInputCount];

using RoomTexts = std::array<std::string, kRoomInputCount>;

// The texts the inputs open with: the room's values, or with no room yet the usual values and
// the room's length, width and height left for the planner.
RoomTexts RoomInputTexts(const std::optional<Room>& room);

// The room the texts describe, each read as the main dialog reads its fields: a point or a comma,
// blanks anywhere, up to nine decimals. A text that is not wholly such a number ("1e308", "",
// more whole digits than the reading keeps) gives NaN, which the room's rule refuses by its
// field, instead of the number its first characters make.
Room ReadRoomInputs(const RoomTexts& texts);

// The texts of one of the usual reflectance sets, "70 / 50 / 20", in kUsualReflectanceSets' order.
std::string UsualSetText(int set);
// The usual set whose reflectances the room has, or -1.
int UsualSetOf(const Room& room);

// The results as the dialog shows them; each empty while the room has a problem, but for the
// light-point height, which shows what is wrong with the heights once the room's height, the
// work plane's and the suspension are filled in.
struct RoomResults {
    std::string lightPointHeight; // m, 2 decimals
    std::string roomIndex;        // 2 decimals
    std::string directRatio;      // 3 decimals
    std::string downwardShare;    // percent, 1 decimal
    std::string efficiency;       // percent, 1 decimal
    std::string note;             // when k is beyond the printed tables
    // For information: the whole lamps the main dialog's lamp needs with the maintenance factor,
    // the rows x columns proposed to hang them, the lamps these place and the illuminance that
    // the lamps placed keep up.
    std::string lamps;
    std::string rows;
    std::string columns;
    std::string placed;
    std::string maintainedIlluminance;
};

RoomResults DescribeRoom(const RoomTexts& texts, const DownwardLight& light,
                         const ValueStore& main);

// The lamps that the planner's rows x columns place and the illuminance they keep up; both empty
// while the room has a problem or rows or columns are no whole number from 1 on.
struct PlacedLamps {
    std::string placed;
    std::string maintainedIlluminance;
};

PlacedLamps DescribePlacedLamps(const RoomTexts& texts, const DownwardLight& light,
                                const ValueStore& main, const std::string& rows,
                                const std::string& columns);

#endif
