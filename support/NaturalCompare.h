#pragma once

// The natural order of Windows-1252 texts: case- and accent-insensitive, with runs of digits
// compared by their numeric value (a 0x, 0d, 0o or 0b prefix selects the base). Returns a
// negative, zero or positive number when a sorts before, level with or after b. A null text
// counts as empty.
int NaturalCompare(const char* a, const char* b);
