#ifndef LUMETRIX_PHOTOMETRY_IESREADER_H
#define LUMETRIX_PHOTOMETRY_IESREADER_H

#include "photometry/LuminaireData.h"

#include <optional>
#include <string_view>

// Reads an IES LM-63 file (.ies, the 1995, 2002 and 2019 editions): keyword lines up to the
// TILT line, the tilt data when it is included, then numbers separated by blanks or commas
// over any number of lines. The name is the [LUMINAIRE] keyword's, else [LUMCAT]'s. The lamp
// flux is the number of lamps times the lumens per lamp and the efficiency the integrated
// luminaire flux over it; with absolute photometry (lumens per lamp -1) the lamp flux is the
// integrated flux and the efficiency 100. Only photometric type C is read (types A and B
// describe floodlights and vehicle lamps on other axes), with the horizontal angles 0, 0 to
// 90, 0 to 180, 90 to 270 or 0 to 360. Nothing for any other file, and for one with fewer or
// more numbers than its counts say.
std::optional<LuminaireData> ReadIes(std::string_view text);

#endif
