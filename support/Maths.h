#ifndef LUMETRIX_SUPPORT_MATHS_H
#define LUMETRIX_SUPPORT_MATHS_H

// The program's own elementary functions. The C libraries of the native build, the Windows
// program and the browser build each round some results differently in the last bit; these
// give the same bits everywhere, because they are built from IEEE additions, subtractions,
// multiplications, divisions and square roots alone (and the build never fuses a
// multiplication into an addition). Worked out to about 100 bits and then rounded, nearly
// every result is the correctly rounded one, and none is more than one unit in the last place
// from it.
//
// Special values follow C's functions of the same names: a NaN argument gives itself back, an
// argument outside the domain (sin of an infinity, the logarithm of a negative number, acos of
// 2) gives a quiet NaN, and overflow gives an infinity.
namespace maths {

// π, its reciprocals and the factors between degrees and radians: each the double nearest its
// exact value.
constexpr double kPi = 3.141592653589793;
constexpr double kOneOverPi = 0.3183098861837907;
constexpr double kOneOverTwoPi = 0.15915494309189535;
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDegreesPerRadian = 57.29577951308232;

double Sin(double x);
double Cos(double x);
double Tan(double x);

double Atan(double x);
double Atan2(double y, double x);
// Atan2 in plain double arithmetic for loops that need it for every pair of many points: some
// twenty times quicker, within a few units in the last place rather than one (the same bits
// everywhere all the same). NaNs, infinities and two zeros go to Atan2.
double QuickAtan2(double y, double x);
double Acos(double x);

double Exp(double x);
double Log(double x);
double Pow(double x, double y);

double Sqrt(double x);

} // namespace maths

#endif
