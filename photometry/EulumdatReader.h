#ifndef LUMETRIX_PHOTOMETRY_EULUMDATREADER_H
#define LUMETRIX_PHOTOMETRY_EULUMDATREADER_H

#include "photometry/LuminaireData.h"

#include <optional>
#include <string_view>

// Reads a EULUMDAT file (.ldt): values at fixed line positions, one a line, with a point or a
// comma as decimal separator. The lamp flux and the power are the sums over the lamp sets, the
// efficiency is the light output ratio (LORL); the intensities, given in cd per 1000 lm, are
// scaled by the conversion factor and the lamp flux. Nothing when the file breaks the format:
// a value missing or not a number, a symmetry other than 0 to 4, more planes or angles than
// the program reads, angles that do not ascend, fewer or more values than the counts say.
std::optional<LuminaireData> ReadEulumdat(std::string_view text);

#endif
