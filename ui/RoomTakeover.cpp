#include "ui/RoomTakeover.h"

#include "ui/NumericText.h"

namespace {

int Decimals(int q) {
    return static_cast<int>(QuantityAt(q).decimals);
}

TakenOverField AsShown(int q, double value) {
    char text[kFieldTextSize];
    FormatFieldValue(value, Decimals(q), text);
    return {q, text};
}

} // namespace

RoomTakeover TakeOverRoom(const Room& room, double roomEfficiency) {
    return {AsShown(kMountingHeight, LightPointHeight(room)),
            AsShown(kRoomArea, room.length * room.width), AsShown(kRoomEfficiency, roomEfficiency),
            AsShown(kMaintenanceFactor, room.maintenanceFactor)};
}

ValueStore WithRoomTakenOver(const ValueStore& main, const Room& room, double roomEfficiency) {
    ValueStore taken = main;
    for (const TakenOverField& field : TakeOverRoom(room, roomEfficiency)) {
        taken.value[field.quantity] = ParseFieldValue(field.text.c_str(), Decimals(field.quantity));
        Clamp(taken, field.quantity);
    }
    return taken;
}
