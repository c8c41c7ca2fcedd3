#ifndef LUMETRIX_MODEL_QUANTITY_H
#define LUMETRIX_MODEL_QUANTITY_H

#include <string_view>

// The fixed catalogue of the 23 quantities: their start values, display precision, limits and
// texts. Their controls on the main dialog are in ui/QuantityControls.h.

// The quantities by their index, the catalogue's order. Every per-quantity table of the program
// is indexed by it, and data files and lamp records hold the quantities in this order.
enum QuantityIndex : int {
    kLuminousIntensity, // cd
    kLuminousFlux,      // lm, of one lamp
    kIlluminance,       // lux, under the lamp
    kBeamAngle,         // degrees, the full angle
    kSolidAngle,        // sr
    kLitArea,           // m², of the lit circle
    kMountingHeight,    // m
    kLitDiameter,       // m, of the lit circle
    kPower,             // W, electrical
    kEfficacy,          // lm/W
    kRoomArea,          // m²
    kHoursPerDay,       // operating hours per day
    kDaysPerYear,       // operating days per year
    kHoursPerYear,      // operating hours per year
    kRoomIlluminance,   // lux, wanted in the room
    kLampsNeeded,       // a count, held as a double
    kLampLife,          // h
    kLampPrice,         // euro per lamp
    kElectricityPrice,  // euro per kWh
    kOperatingCost,     // euro per year
    kLampEfficiency,    // percent
    kRoomEfficiency,    // percent
    kMaintenanceFactor, // the share of the new value kept up, 0.1 to 1
};
constexpr int kQuantityCount = kMaintenanceFactor + 1;
constexpr int kFormulaCount = 9;
constexpr int kNoQuantity = -1;

// A limit of this value means "no limit". It is recognised by its exact bit pattern only, so
// a computed value that merely comes close never switches a limit off.
constexpr double kNoLimit = -123.456;
bool IsNoLimit(double limit);

struct Quantity {
    double defaultValue;
    double decimals; // a whole number: digits shown after the decimal point
    double lowerLimit;
    double upperLimit;
    const char* title;    // 25 Windows-1252 bytes: name, '>', unit, as data files write it
    const char* helpText; // Windows-1252, shown in the help panel
};

bool IsQuantityIndex(int q);

// q must be a quantity index (0 to 22).
const Quantity& QuantityAt(int q);

// The parts of the title before and after its '>'; q must be a quantity index.
std::string_view TitleName(int q);
std::string_view TitleUnit(int q);

// The quantities ticked at start-up, in the order in which they are ticked. The Wartungsfaktor
// is ticked last, so that it is the newest of formula 7's given members and the boxes that the
// older quantities' clicks untick stay the same.
inline constexpr int kInitiallyGiven[] = {kLuminousFlux,   kBeamAngle,        kMountingHeight,
                                          kPower,          kRoomArea,         kHoursPerDay,
                                          kDaysPerYear,    kRoomIlluminance,  kLampLife,
                                          kLampPrice,      kElectricityPrice, kLampEfficiency,
                                          kRoomEfficiency, kMaintenanceFactor};

#endif
