#include "ui/QuantityControls.h"

#include "resources/resource.h"

namespace {

// One row per quantity, in the order of QuantityIndex.
const QuantityControls kControls[kQuantityCount] = {
    {IDC_EDIT_INTENSITY, IDC_GIVEN_INTENSITY, IDB_PICTURE_NONE},               // kLuminousIntensity
    {IDC_EDIT_FLUX, IDC_GIVEN_FLUX, IDB_PICTURE_NONE},                         // kLuminousFlux
    {IDC_EDIT_ILLUMINANCE, IDC_GIVEN_ILLUMINANCE, IDB_PICTURE_NONE},           // kIlluminance
    {IDC_EDIT_BEAM_ANGLE, IDC_GIVEN_BEAM_ANGLE, IDB_BEAM_ANGLE},               // kBeamAngle
    {IDC_EDIT_SOLID_ANGLE, IDC_GIVEN_SOLID_ANGLE, IDB_SOLID_ANGLE},            // kSolidAngle
    {IDC_EDIT_LIT_AREA, IDC_GIVEN_LIT_AREA, IDB_LIT_AREA},                     // kLitArea
    {IDC_EDIT_HEIGHT, IDC_GIVEN_HEIGHT, IDB_HEIGHT},                           // kMountingHeight
    {IDC_EDIT_DIAMETER, IDC_GIVEN_DIAMETER, IDB_DIAMETER},                     // kLitDiameter
    {IDC_EDIT_POWER, IDC_GIVEN_POWER, IDB_PICTURE_NONE},                       // kPower
    {IDC_EDIT_EFFICACY, IDC_GIVEN_EFFICACY, IDB_PICTURE_NONE},                 // kEfficacy
    {IDC_EDIT_ROOM_AREA, IDC_GIVEN_ROOM_AREA, IDB_ROOM_AREA},                  // kRoomArea
    {IDC_EDIT_HOURS_PER_DAY, IDC_GIVEN_HOURS_PER_DAY, IDB_PICTURE_NONE},       // kHoursPerDay
    {IDC_EDIT_DAYS_PER_YEAR, IDC_GIVEN_DAYS_PER_YEAR, IDB_PICTURE_NONE},       // kDaysPerYear
    {IDC_EDIT_HOURS_PER_YEAR, IDC_GIVEN_HOURS_PER_YEAR, IDB_PICTURE_NONE},     // kHoursPerYear
    {IDC_EDIT_ROOM_ILLUMINANCE, IDC_GIVEN_ROOM_ILLUMINANCE, IDB_PICTURE_NONE}, // kRoomIlluminance
    {IDC_EDIT_LAMP_COUNT, IDC_GIVEN_LAMP_COUNT, IDB_PICTURE_NONE},             // kLampsNeeded
    {IDC_EDIT_LAMP_LIFE, IDC_GIVEN_LAMP_LIFE, IDB_PICTURE_NONE},               // kLampLife
    {IDC_EDIT_LAMP_PRICE, IDC_GIVEN_LAMP_PRICE, IDB_PICTURE_NONE},             // kLampPrice
    {IDC_EDIT_ELECTRICITY_PRICE, IDC_GIVEN_ELECTRICITY_PRICE,
     IDB_PICTURE_NONE},                                                         // kElectricityPrice
    {IDC_EDIT_OPERATING_COST, IDC_GIVEN_OPERATING_COST, IDB_PICTURE_NONE},      // kOperatingCost
    {IDC_EDIT_LAMP_EFFICIENCY, IDC_GIVEN_LAMP_EFFICIENCY, IDB_LAMP_EFFICIENCY}, // kLampEfficiency
    {IDC_EDIT_ROOM_EFFICIENCY, IDC_GIVEN_ROOM_EFFICIENCY, IDB_ROOM_EFFICIENCY}, // kRoomEfficiency
    {IDC_EDIT_MAINTENANCE_FACTOR, IDC_GIVEN_MAINTENANCE_FACTOR,
     IDB_ROOM_EFFICIENCY}, // kMaintenanceFactor
};

} // namespace

const QuantityControls& ControlsOf(int q) {
    return kControls[q];
}

int QuantityOfEdit(int controlId) {
    for (int q = 0; q < kQuantityCount; ++q) {
        if (kControls[q].editId == controlId) {
            return q;
        }
    }
    return kNoQuantity;
}

int QuantityOfCheckbox(int controlId) {
    for (int q = 0; q < kQuantityCount; ++q) {
        if (kControls[q].checkboxId == controlId) {
            return q;
        }
    }
    return kNoQuantity;
}
