#ifndef LUMETRIX_PHOTOMETRY_IESREADER_H
#define LUMETRIX_PHOTOMETRY_IESREADER_H

#include "photometry/LuminaireData.h"

#include <string_view>

// Reads an IES LM-63 file (.ies, the 1986 to 2019 editions): keyword lines up to the TILT line,
// the tilt data when it is included, then numbers separated by blanks or commas over any number
// of lines, closed by nothing or by an END line and a DOS end-of-file byte. The name is the
// [LUMINAIRE] keyword's, else [LUMCAT]'s. The lamp flux is the number of lamps times the lumens
// per lamp and the efficiency the integrated luminaire flux over it; with absolute photometry
// (lumens per lamp -1) the lamp flux is the integrated flux and the efficiency 100.
// Photometric type C (the horizontal angles 0, 0 to 90, 0 to 180, 90 to 270 or 0 to 360) and
// type B (floodlights, read in their own coordinates) are read; type A (vehicle lamps) is not.
// A file that breaks the format gives the line and what was expected there, as for EULUMDAT.
LuminaireReading ReadIes(std::string_view text);

#endif
