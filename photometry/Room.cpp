#include "photometry/Room.h"

#include <cmath>

const ReflectanceSet kUsualReflectanceSets[3] = {
    {80.0, 50.0, 30.0},
    {70.0, 50.0, 20.0},
    {50.0, 30.0, 10.0},
};

namespace {

constexpr double kShortestSide = 0.1;   // m
constexpr double kLongestSide = 1000.0; // m
constexpr double kHighestRoom = 100.0;  // m
constexpr double kMostReflected = 90.0; // percent
constexpr double kLowestMaintenance = 0.1;

bool Above(double value, double limit) {
    return std::isfinite(value) && value > limit;
}

bool AtLeast(double value, double limit) {
    return std::isfinite(value) && value >= limit;
}

bool AtMost(double value, double limit) {
    return std::isfinite(value) && value <= limit;
}

bool Within(double value, double lowest, double highest) {
    return std::isfinite(value) && value >= lowest && value <= highest;
}

} // namespace

RoomProblem FindRoomProblem(const Room& room) {
    if (!Within(room.length, kShortestSide, kLongestSide)) {
        return RoomProblem::Length;
    }
    if (!Within(room.width, kShortestSide, kLongestSide)) {
        return RoomProblem::Width;
    }
    if (!AtMost(room.height, kHighestRoom)) {
        return RoomProblem::Height;
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
    if (!Within(room.ceilingReflectance, 0.0, kMostReflected)) {
        return RoomProblem::CeilingReflectance;
    }
    if (!Within(room.wallReflectance, 0.0, kMostReflected)) {
        return RoomProblem::WallReflectance;
    }
    if (!Within(room.floorReflectance, 0.0, kMostReflected)) {
        return RoomProblem::FloorReflectance;
    }
    if (!Within(room.maintenanceFactor, kLowestMaintenance, 1.0)) {
        return RoomProblem::MaintenanceFactor;
    }
    return RoomProblem::None;
}

const char* RoomProblemMessage(RoomProblem problem) {
    switch (problem) {
    case RoomProblem::Length:
        return "Die Rauml\xE4nge muss zwischen 0,1 und 1000 m liegen !";
    case RoomProblem::Width:
        return "Die Raumbreite muss zwischen 0,1 und 1000 m liegen !";
    case RoomProblem::Height:
        return "Die Raumh\xF6he darf h\xF6"
               "chstens 100 m betragen !";
    case RoomProblem::WorkPlaneHeight:
        return "Die H\xF6he der Nutzebene darf nicht negativ sein !";
    case RoomProblem::Suspension:
        return "Die Pendell\xE4nge darf nicht negativ sein !";
    case RoomProblem::LightPointHeight:
        return "Die H\xF6he des Lichtpunkts \xFC"
               "ber der Nutzebene muss gr\xF6\xDF"
               "er als 0 sein !";
    case RoomProblem::CeilingReflectance:
        return "Der Reflexionsgrad der Decke muss zwischen 0 und 90 % liegen !";
    case RoomProblem::WallReflectance:
        return "Der Reflexionsgrad der W\xE4nde muss zwischen 0 und 90 % liegen !";
    case RoomProblem::FloorReflectance:
        return "Der Reflexionsgrad des Bodens muss zwischen 0 und 90 % liegen !";
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
