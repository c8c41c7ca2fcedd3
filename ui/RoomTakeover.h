#ifndef LUMETRIX_UI_ROOMTAKEOVER_H
#define LUMETRIX_UI_ROOMTAKEOVER_H

#include "model/ValueStore.h"
#include "photometry/Room.h"

#include <array>
#include <string>

// What "Übernehmen" of the room dialog puts into the main dialog: the room's Lampenhöhe (its
// light-point height), Raumgröße, Raumwirkungsgrad and Wartungsfaktor, each as the text its
// field shows, in quantity order.
struct TakenOverField {
    int quantity;
    std::string text;
};
using RoomTakeover = std::array<TakenOverField, 4>;

// roomEfficiency in percent.
RoomTakeover TakeOverRoom(const Room& room, double roomEfficiency);

// The main dialog's values with the room taken over, each as its field then holds it, within the
// quantity's limits as the main dialog keeps it: what the main dialog counts with after
// "Übernehmen".
ValueStore WithRoomTakenOver(const ValueStore& main, const Room& room, double roomEfficiency);

#endif
