#ifndef LUMETRIX_PHOTOMETRY_EULUMDATREADER_H
#define LUMETRIX_PHOTOMETRY_EULUMDATREADER_H

#include "photometry/LuminaireData.h"

#include <string_view>

// Reads a EULUMDAT file (.ldt): values at fixed line positions, one a line, with a point or a
// comma as decimal separator. Each lamp set is a block of six lines (number of lamps, type,
// flux, colour, colour rendering, wattage), as the files from the field write them; the sets
// are alternative equipment, each with its flux and power (a file without sets gives one lamp
// without either). Of the C angles only those of the planes its symmetry stores count. The
// efficiency is the light output ratio (LORL); the intensities, given in cd per 1000 lm, are
// scaled by the conversion factor and the first set's flux. A file that breaks the format gives the line and what was expected
// there: a value missing or not a number, a symmetry other than 0 to 4, more planes or angles
// than the program reads, angles that do not ascend, values left over after the last
// intensity (blank lines and a DOS end-of-file byte are no values), a lamp set of more than
// 10 000 000 lm or 1 000 000 W.
LuminaireReading ReadEulumdat(std::string_view text);

#endif
