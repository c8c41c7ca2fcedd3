#ifndef LUMETRIX_IO_DATAFILEVALUE_H
#define LUMETRIX_IO_DATAFILEVALUE_H

#include <string>

// How a data file writes one value: laid out like printf's "%18f" (right-aligned in at least
// 18 characters, a '-' when the sign bit is set, six decimals, no grouping, no locale), but with
// the file's own rounding: the digits are those of the magnitude plus 0.499999999999e-6, cut
// after the sixth decimal. The C library rounds the exact binary value half-to-even instead,
// which differs for values such as 0.0000015, so the digits are worked out here exactly.
std::string FormatDataFileValue(double value);

// Reads a number as atof does in the "C" locale, whatever locale the process has: leading white
// space, an optional sign, digits with '.' as the decimal point, an optional exponent, "inf" and
// "nan". Reading stops at the first character that cannot continue the number; no number gives 0.
// Out-of-range magnitudes give infinity or zero, as strtod does.
double ParseDataFileNumber(const char* text);

#endif
