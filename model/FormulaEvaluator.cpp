#include "model/FormulaEvaluator.h"

#include "support/Maths.h"

// Each formula solver computes the products and quotients left to right as written, so that
// results are reproducible to the last bit. Divisors go through G, so nothing divides by zero;
// comparisons are written so that NaN falls to the floor (G) or to zero (Z).

namespace {

using Values = double[kQuantityCount];

enum : int {
    I = 0,     // luminous intensity, cd
    Phi = 1,   // luminous flux of one lamp, lm
    E = 2,     // illuminance under the lamp, lux
    Alpha = 3, // full beam angle, degrees
    Omega = 4, // solid angle, sr
    A = 5,     // lit area, m²
    H = 6,     // mounting height, m
    D = 7,     // diameter of the lit circle, m
    P = 8,     // electrical power, W
    Eta = 9,   // luminous efficacy, lm/W
    R = 10,    // room area, m²
    Td = 11,   // operating hours per day
    Nd = 12,   // operating days per year
    T = 13,    // operating hours per year
    Er = 14,   // illuminance wanted in the room, lux
    N = 15,    // lamps needed
    L = 16,    // lamp life, h
    Cl = 17,   // price of one lamp, euro
    Ce = 18,   // electricity price, euro per kWh
    K = 19,    // yearly operating cost, euro
    Wl = 20,   // lamp efficiency, %
    Wr = 21,   // room efficiency, %
};

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;
constexpr double kPi = 3.141592653589793;
constexpr double kOneOverTwoPi = 0.15915494309189535;
constexpr double kOneOverPi = 0.3183098861837907;

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
    case D:
        v[D] = maths::Tan(v[Alpha] * kDegToRad * 0.5) * (2 * v[H]);
        break;
    case H: {
        double t = maths::Tan(v[Alpha] * kDegToRad * 0.5);
        v[H] = v[D] / G(t, 1e-8) * 0.5;
        break;
    }
    case Alpha: {
        double height = v[H] > 0.00001 ? v[H] : 0.00001;
        v[Alpha] = 2 * maths::Atan(v[D] / height * 0.5) * kRadToDeg;
        break;
    }
    default:
        break;
    }
}

// Formula 1: Ω = 2π · (1 - cos(α/2))
void SolveSolidAngle(Values& v, int target) {
    switch (target) {
    case Omega:
        v[Omega] = (1 - maths::Cos(v[Alpha] * kDegToRad * 0.5)) * kPi * 2;
        break;
    case Alpha: {
        double c = 1 - v[Omega] * kOneOverTwoPi;
        if (c > 1) {
            c = 1;
        } else if (!(c >= -1)) {
            c = -1;
        }
        v[Alpha] = 2 * maths::Acos(c) * kRadToDeg;
        break;
    }
    default:
        break;
    }
}

// Formula 2: Φ = I · Ω
void SolveIntensity(Values& v, int target) {
    switch (target) {
    case I:
        v[I] = v[Phi] / G(v[Omega], 1e-8);
        break;
    case Phi:
        v[Phi] = v[I] * v[Omega];
        break;
    case Omega:
        v[Omega] = v[Phi] / G(v[I], 1e-8);
        break;
    default:
        break;
    }
}

// Formula 3: A = π · D² / 4
void SolveLitArea(Values& v, int target) {
    switch (target) {
    case A:
        v[A] = v[D] * v[D] * kPi * 0.25;
        break;
    case D:
        v[D] = maths::Sqrt(Z(v[A] * 4 * kOneOverPi));
        break;
    default:
        break;
    }
}

// Formula 4: Φ = E · A
void SolveIlluminance(Values& v, int target) {
    switch (target) {
    case Phi:
        v[Phi] = v[A] * v[E];
        break;
    case E:
        v[E] = v[Phi] / G(v[A], 1e-8);
        break;
    case A:
        v[A] = v[Phi] / G(v[E], 1e-8);
        break;
    default:
        break;
    }
}

// Formula 5: Φ = η · P
void SolveEfficacy(Values& v, int target) {
    switch (target) {
    case Phi:
        v[Phi] = v[Eta] * v[P];
        break;
    case P:
        v[P] = v[Phi] / G(v[Eta], 1e-8);
        break;
    case Eta:
        v[Eta] = v[Phi] / G(v[P], 1e-8);
        break;
    default:
        break;
    }
}

// Formula 6: T = n_d · t_d
void SolveOperatingHours(Values& v, int target) {
    switch (target) {
    case Td:
        v[Td] = v[T] / G(v[Nd], 1e-8);
        break;
    case Nd:
        v[Nd] = v[T] / G(v[Td], 1e-8);
        break;
    case T:
        v[T] = v[Nd] * v[Td];
        break;
    default:
        break;
    }
}

// Formula 7 never asks for more lamps than this, even for a flux of zero.
constexpr double kMaxLamps = 1e8;

double ClampLamps(double n) {
    if (n > kMaxLamps) {
        return kMaxLamps;
    }
    return n >= 0 ? n : 0;
}

// Formula 7: N · Φ · (w_L/100) · (w_R/100) = E_R · R
void SolveLampsNeeded(Values& v, int target) {
    switch (target) {
    case N:
        v[N] = ClampLamps(v[Er] * v[R] / G(v[Phi] * v[Wl] * 0.01 * v[Wr] * 0.01, 1e-9));
        break;
    case R:
        v[R] = v[N] * v[Phi] * v[Wl] * 0.01 * v[Wr] * 0.01 / G(v[Er], 1e-9);
        break;
    case Er:
        v[Er] = v[N] * v[Phi] * v[Wl] * 0.01 * v[Wr] * 0.01 / G(v[R], 1e-9);
        break;
    case Phi:
        v[Phi] = v[Er] * v[R] / G(v[N] * v[Wl] * 0.01 * v[Wr] * 0.01, 1e-9);
        break;
    case Wr:
        v[Wr] = v[Er] * (v[R] * 100) / G(v[N] * v[Phi] * v[Wl] * 0.01, 1e-9);
        break;
    case Wl:
        v[Wl] = v[Er] * (v[R] * 100) / G(v[N] * v[Phi] * v[Wr] * 0.01, 1e-9);
        break;
    default:
        break;
    }
}

// Formula 8: K = T · N · (c_E · P/1000 + c_L/L); every result is clamped at zero.
void SolveOperatingCost(Values& v, int target) {
    double lampHourCost = v[Ce] * v[P] * 0.001 + v[Cl] / G(v[L], 1e-9);
    double costPerLampHour = v[K] / G(v[T] * v[N], 1e-9);
    switch (target) {
    case K:
        v[K] = Z(v[T] * (lampHourCost * v[N]));
        break;
    case N:
        v[N] = Z(v[K] / G(v[T], 1e-9) / G(lampHourCost, 1e-9));
        break;
    case T:
        v[T] = Z(v[K] / G(v[N], 1e-9) / G(lampHourCost, 1e-9));
        break;
    case P:
        v[P] = Z((costPerLampHour - v[Cl] / G(v[L], 1e-9)) * 1000 / G(v[Ce], 1e-9));
        break;
    case Ce:
        v[Ce] = Z((costPerLampHour - v[Cl] / G(v[L], 1e-9)) * 1000 / G(v[P], 1e-9));
        break;
    case Cl:
        v[Cl] = Z((costPerLampHour - v[P] * v[Ce] * 0.001) * v[L]);
        break;
    case L:
        v[L] = Z(v[Cl] / G(costPerLampHour - v[P] * v[Ce] * 0.001, 1e-9));
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
