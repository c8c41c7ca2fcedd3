#include "model/FormulaEvaluator.h"

#include "support/Maths.h"

// Each formula solver computes the products and quotients left to right as written, so that
// results are reproducible to the last bit. Divisors go through G, so nothing divides by zero;
// comparisons are written so that NaN falls to the floor (G) or to zero (Z).

namespace {

using Values = double[kQuantityCount];

// The least divisor that G lets through: in formulas 0 to 6, and in formulas 7 (the lamps
// needed) and 8 (the operating cost).
constexpr double kDivisorFloor = 1e-8;
constexpr double kLampsAndCostDivisorFloor = 1e-9;

// Divisor guard: x when x >= floor, else the floor (also for NaN).
double G(double x, double floor) {
    return x >= floor ? x : floor;
}

// Zero clamp: x when x >= 0, else 0 (also for NaN).
double Z(double x) {
    return x >= 0 ? x : 0;
}

// Formula 0: D = 2 · h · tan(α/2)
void SolveBeamDiameter(Values& v, int target) {
    switch (target) {
    case kLitDiameter:
        v[kLitDiameter] =
            maths::Tan(v[kBeamAngle] * maths::kRadiansPerDegree * 0.5) * (2 * v[kMountingHeight]);
        break;
    case kMountingHeight: {
        double t = maths::Tan(v[kBeamAngle] * maths::kRadiansPerDegree * 0.5);
        v[kMountingHeight] = v[kLitDiameter] / G(t, kDivisorFloor) * 0.5;
        break;
    }
    case kBeamAngle: {
        double height = v[kMountingHeight] > 0.00001 ? v[kMountingHeight] : 0.00001;
        v[kBeamAngle] = 2 * maths::Atan(v[kLitDiameter] / height * 0.5) * maths::kDegreesPerRadian;
        break;
    }
    default:
        break;
    }
}

// Formula 1: Ω = 2π · (1 - cos(α/2))
void SolveSolidAngle(Values& v, int target) {
    switch (target) {
    case kSolidAngle:
        v[kSolidAngle] =
            (1 - maths::Cos(v[kBeamAngle] * maths::kRadiansPerDegree * 0.5)) * maths::kPi * 2;
        break;
    case kBeamAngle: {
        double c = 1 - v[kSolidAngle] * maths::kOneOverTwoPi;
        if (c > 1) {
            c = 1;
        } else if (!(c >= -1)) {
            c = -1;
        }
        v[kBeamAngle] = 2 * maths::Acos(c) * maths::kDegreesPerRadian;
        break;
    }
    default:
        break;
    }
}

// Formula 2: Φ = I · Ω
void SolveIntensity(Values& v, int target) {
    switch (target) {
    case kLuminousIntensity:
        v[kLuminousIntensity] = v[kLuminousFlux] / G(v[kSolidAngle], kDivisorFloor);
        break;
    case kLuminousFlux:
        v[kLuminousFlux] = v[kLuminousIntensity] * v[kSolidAngle];
        break;
    case kSolidAngle:
        v[kSolidAngle] = v[kLuminousFlux] / G(v[kLuminousIntensity], kDivisorFloor);
        break;
    default:
        break;
    }
}

// Formula 3: A = π · D² / 4
void SolveLitArea(Values& v, int target) {
    switch (target) {
    case kLitArea:
        v[kLitArea] = v[kLitDiameter] * v[kLitDiameter] * maths::kPi * 0.25;
        break;
    case kLitDiameter:
        v[kLitDiameter] = maths::Sqrt(Z(v[kLitArea] * 4 * maths::kOneOverPi));
        break;
    default:
        break;
    }
}

// Formula 4: Φ = E · A
void SolveIlluminance(Values& v, int target) {
    switch (target) {
    case kLuminousFlux:
        v[kLuminousFlux] = v[kLitArea] * v[kIlluminance];
        break;
    case kIlluminance:
        v[kIlluminance] = v[kLuminousFlux] / G(v[kLitArea], kDivisorFloor);
        break;
    case kLitArea:
        v[kLitArea] = v[kLuminousFlux] / G(v[kIlluminance], kDivisorFloor);
        break;
    default:
        break;
    }
}

// Formula 5: Φ = η · P
void SolveEfficacy(Values& v, int target) {
    switch (target) {
    case kLuminousFlux:
        v[kLuminousFlux] = v[kEfficacy] * v[kPower];
        break;
    case kPower:
        v[kPower] = v[kLuminousFlux] / G(v[kEfficacy], kDivisorFloor);
        break;
    case kEfficacy:
        v[kEfficacy] = v[kLuminousFlux] / G(v[kPower], kDivisorFloor);
        break;
    default:
        break;
    }
}

// Formula 6: T = n_d · t_d
void SolveOperatingHours(Values& v, int target) {
    switch (target) {
    case kHoursPerDay:
        v[kHoursPerDay] = v[kHoursPerYear] / G(v[kDaysPerYear], kDivisorFloor);
        break;
    case kDaysPerYear:
        v[kDaysPerYear] = v[kHoursPerYear] / G(v[kHoursPerDay], kDivisorFloor);
        break;
    case kHoursPerYear:
        v[kHoursPerYear] = v[kDaysPerYear] * v[kHoursPerDay];
        break;
    default:
        break;
    }
}

double ClampLamps(double n) {
    if (n > kMostLampsCounted) {
        return kMostLampsCounted;
    }
    return n >= 0 ? n : 0;
}

// Formula 7: N · Φ · (w_L/100) · (w_R/100) · WF = E_R · R. The maintenance factor multiplies
// last, so that with WF = 1 every other result is the one of the formula without it.
void SolveLampsNeeded(Values& v, int target) {
    switch (target) {
    case kLampsNeeded:
        v[kLampsNeeded] = ClampLamps(v[kRoomIlluminance] * v[kRoomArea] /
                                     G(v[kLuminousFlux] * v[kLampEfficiency] * 0.01 *
                                           v[kRoomEfficiency] * 0.01 * v[kMaintenanceFactor],
                                       kLampsAndCostDivisorFloor));
        break;
    case kRoomArea:
        v[kRoomArea] = v[kLampsNeeded] * v[kLuminousFlux] * v[kLampEfficiency] * 0.01 *
                       v[kRoomEfficiency] * 0.01 * v[kMaintenanceFactor] /
                       G(v[kRoomIlluminance], kLampsAndCostDivisorFloor);
        break;
    case kRoomIlluminance:
        v[kRoomIlluminance] = v[kLampsNeeded] * v[kLuminousFlux] * v[kLampEfficiency] * 0.01 *
                              v[kRoomEfficiency] * 0.01 * v[kMaintenanceFactor] /
                              G(v[kRoomArea], kLampsAndCostDivisorFloor);
        break;
    case kLuminousFlux:
        v[kLuminousFlux] = v[kRoomIlluminance] * v[kRoomArea] /
                           G(v[kLampsNeeded] * v[kLampEfficiency] * 0.01 * v[kRoomEfficiency] *
                                 0.01 * v[kMaintenanceFactor],
                             kLampsAndCostDivisorFloor);
        break;
    case kRoomEfficiency:
        v[kRoomEfficiency] = v[kRoomIlluminance] * (v[kRoomArea] * 100) /
                             G(v[kLampsNeeded] * v[kLuminousFlux] * v[kLampEfficiency] * 0.01 *
                                   v[kMaintenanceFactor],
                               kLampsAndCostDivisorFloor);
        break;
    case kLampEfficiency:
        v[kLampEfficiency] = v[kRoomIlluminance] * (v[kRoomArea] * 100) /
                             G(v[kLampsNeeded] * v[kLuminousFlux] * v[kRoomEfficiency] * 0.01 *
                                   v[kMaintenanceFactor],
                               kLampsAndCostDivisorFloor);
        break;
    case kMaintenanceFactor:
        v[kMaintenanceFactor] = v[kRoomIlluminance] * v[kRoomArea] /
                                G(v[kLampsNeeded] * v[kLuminousFlux] * v[kLampEfficiency] * 0.01 *
                                      v[kRoomEfficiency] * 0.01,
                                  kLampsAndCostDivisorFloor);
        break;
    default:
        break;
    }
}

// Formula 8: K = T · N · (c_E · P/1000 + c_L/L); every result is clamped at zero.
void SolveOperatingCost(Values& v, int target) {
    double lampHourCost = v[kElectricityPrice] * v[kPower] * 0.001 +
                          v[kLampPrice] / G(v[kLampLife], kLampsAndCostDivisorFloor);
    double costPerLampHour =
        v[kOperatingCost] / G(v[kHoursPerYear] * v[kLampsNeeded], kLampsAndCostDivisorFloor);
    switch (target) {
    case kOperatingCost:
        v[kOperatingCost] = Z(v[kHoursPerYear] * (lampHourCost * v[kLampsNeeded]));
        break;
    case kLampsNeeded:
        v[kLampsNeeded] = Z(v[kOperatingCost] / G(v[kHoursPerYear], kLampsAndCostDivisorFloor) /
                            G(lampHourCost, kLampsAndCostDivisorFloor));
        break;
    case kHoursPerYear:
        v[kHoursPerYear] = Z(v[kOperatingCost] / G(v[kLampsNeeded], kLampsAndCostDivisorFloor) /
                             G(lampHourCost, kLampsAndCostDivisorFloor));
        break;
    case kPower:
        v[kPower] =
            Z((costPerLampHour - v[kLampPrice] / G(v[kLampLife], kLampsAndCostDivisorFloor)) *
              1000 / G(v[kElectricityPrice], kLampsAndCostDivisorFloor));
        break;
    case kElectricityPrice:
        v[kElectricityPrice] =
            Z((costPerLampHour - v[kLampPrice] / G(v[kLampLife], kLampsAndCostDivisorFloor)) *
              1000 / G(v[kPower], kLampsAndCostDivisorFloor));
        break;
    case kLampPrice:
        v[kLampPrice] =
            Z((costPerLampHour - v[kPower] * v[kElectricityPrice] * 0.001) * v[kLampLife]);
        break;
    case kLampLife:
        v[kLampLife] =
            Z(v[kLampPrice] / G(costPerLampHour - v[kPower] * v[kElectricityPrice] * 0.001,
                                kLampsAndCostDivisorFloor));
        break;
    default:
        break;
    }
}

using FormulaSolver = void (*)(Values&, int);

// By formula index.
const FormulaSolver kFormulaSolvers[kFormulaCount] = {
    SolveBeamDiameter, SolveSolidAngle,     SolveIntensity,   SolveLitArea,       SolveIlluminance,
    SolveEfficacy,     SolveOperatingHours, SolveLampsNeeded, SolveOperatingCost,
};

} // namespace

void SolveFormula(ValueStore& store, int formula, int quantity) {
    if (formula < 0 || formula >= kFormulaCount) {
        return;
    }
    kFormulaSolvers[formula](store.value, quantity);
}
