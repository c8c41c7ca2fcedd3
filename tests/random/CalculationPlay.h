#ifndef LUMETRIX_TESTS_RANDOM_CALCULATIONPLAY_H
#define LUMETRIX_TESTS_RANDOM_CALCULATIONPLAY_H

#include <string>

// A random script (RandomScript) played on the calculation alone, without a window: fields
// that hold texts, typing one character at a time into a field that takes it, leaving the
// field on Tab, on a "Vorgabe" click and on typing into another, and the clicks themselves.
// Each `show` prints one line per quantity: index, field text, role and value (%.17g). It is
// thousands of times faster than a dialog, so every build plays thousands of scripts this way
// and must print the same to the last bit: the native and WebAssembly programs and the Windows
// program's own calculation under Wine.
std::string PlayOnCalculation(const std::string& script);

// A value as the scripts print one: C's %.17g, a NaN as nan or -nan by its sign bit.
std::string PrintedValue(double value);

#endif
