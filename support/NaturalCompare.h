#ifndef LUMETRIX_SUPPORT_NATURALCOMPARE_H
#define LUMETRIX_SUPPORT_NATURALCOMPARE_H

#include <cstddef>

// The natural order of Windows-1252 texts: case- and accent-insensitive, with runs of digits
// compared by their numeric value (a 0x, 0d, 0o or 0b prefix selects the base). Returns a
// negative, zero or positive number when a sorts before, level with or after b. A null text
// counts as empty.
int NaturalCompare(const char* a, const char* b);

// The same order, with the same sign for every pair of texts (not always the same number), but
// found faster where the texts share long stretches of bytes, as sorted lines do: those are
// compared as plain bytes, a word at a time. Each text can be read up to its length, where a
// NUL follows; an earlier NUL ends it all the same.
int FastNaturalCompare(const char* a, std::size_t aLength, const char* b, std::size_t bLength);

#endif
