#ifndef LUMETRIX_PHOTOMETRY_LUMINAIRERECORD_H
#define LUMETRIX_PHOTOMETRY_LUMINAIRERECORD_H

#include "photometry/LuminaireData.h"

#include <string>
#include <string_view>

// A photometric file as a record line of the lamp database, with its line end:
// name;*;lamp flux;;beam angle;;;;;power;...;efficiency; - the luminous intensity released, the
// lamp's own data given, every other field empty. A number that is missing or outside its
// quantity's limits (beam angle 1 to 120 degrees, efficiency 1 to 100 percent, flux and power
// above 0) leaves its field empty.
std::string LuminaireRecord(const LuminaireData& data, std::string_view fileName);

// The name the list shows: the file's name without blanks at either end, ';' as ',' and what
// Windows-1252 cannot show as '?' (a name in UTF-8 is converted); at most 255 bytes. When the
// file gives no name, the file name without its extension.
std::string LuminaireRecordName(std::string_view name, std::string_view fileName);

// A value rounded to six significant digits, written with a point and without exponent or
// trailing zeros: 80500, 60.8466, 0.000123457.
std::string SixSignificantDigits(double value);

#endif
