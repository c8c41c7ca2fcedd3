#include "photometry/Room.h"

#include <cmath>

const ReflectanceSet kUsualReflectanceSets[3] = {
    {80.0, 50.0, 30.0},
    {70.0, 50.0, 20.0},
    {50.0, 30.0, 10.0},
};

namespace {

bool Above(double value, double limit) {
    return std::isfinite(value) && value > limit;
}

bool AtLeast(double value, double limit) {
    return std::isfinite(value) && value >= limit;
}

bool Within(double value, double lowest, double highest) {
    return std::isfinite(value) && value >= lowest && value <= highest;
}

} // namespace

RoomProblem FindRoomProblem(const Room& room) {
    if (!Above(room.length, 0.0)) {
        return RoomProblem::Length;
    }
    if (!Above(room.width, 0.0)) {
        return RoomProblem::Width;
    }
    if (!AtLeast(room.workPlaneHeight, 0.0)) {
        return RoomProblem::WorkPlaneHeight;
    }
    if (!AtLeast(room.suspension, 0.0)) {
        return RoomProblem::Suspension;
    }
    if (!Above(LightPointHeight(room), 0.0)) {
        return RoomProblem::LightPointHeight;
    }
    if (!Within(room.ceilingReflectance, 0.0, 95.0)) {
        return RoomProblem::CeilingReflectance;
    }
    if (!Within(room.wallReflectance, 0.0, 95.0)) {
        return RoomProblem::WallReflectance;
    }
    if (!Within(room.floorReflectance, 0.0, 95.0)) {
        return RoomProblem::FloorReflectance;
    }
    if (!Within(room.maintenanceFactor, 0.1, 1.0)) {
        return RoomProblem::MaintenanceFactor;
    }
    return RoomProblem::None;
}

const char* RoomProblemMessage(RoomProblem problem) {
    switch (problem) {
    case RoomProblem::Length:
        return "Die Rauml\xE4nge muss gr\xF6\xDF"
               "er als 0 sein !";
    case RoomProblem::Width:
        return "Die Raumbreite muss gr\xF6\xDF"
               "er als 0 sein !";
    case RoomProblem::WorkPlaneHeight:
        return "Die H\xF6he der Nutzebene darf nicht negativ sein !";
    case RoomProblem::Suspension:
        return "Die Pendell\xE4nge darf nicht negativ sein !";
    case RoomProblem::LightPointHeight:
        return "Die H\xF6he des Lichtpunkts \xFC"
               "ber der Nutzebene muss gr\xF6\xDF"
               "er als 0 sein !";
    case RoomProblem::CeilingReflectance:
        return "Der Reflexionsgrad der Decke muss zwischen 0 und 95 % liegen !";
    case RoomProblem::WallReflectance:
        return "Der Reflexionsgrad der W\xE4nde muss zwischen 0 und 95 % liegen !";
    case RoomProblem::FloorReflectance:
        return "Der Reflexionsgrad des Bodens muss zwischen 0 und 95 % liegen !";
    case RoomProblem::MaintenanceFactor:
        return "Der Wartungsfaktor muss zwischen 0,1 und 1 liegen !";
    case RoomProblem::None:
        break;
    }
    return "";
}

double LightPointHeight(const Room& room) {
    return room.height - room.workPlaneHeight - room.suspension;
}

double RoomIndex(const Room& room) {
    return room.length * room.width / (LightPointHeight(room) * (room.length + room.width));
}
