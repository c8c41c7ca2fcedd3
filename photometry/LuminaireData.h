#ifndef LUMETRIX_PHOTOMETRY_LUMINAIREDATA_H
#define LUMETRIX_PHOTOMETRY_LUMINAIREDATA_H

#include "photometry/LightDistribution.h"

#include <string>

// What the program takes from a maker's photometric file.
struct LuminaireData {
    std::string name;  // as the file writes it, empty when it gives none
    double lampFlux;   // luminous flux of the lamps, lm
    double power;      // electrical power with the ballast, W
    double efficiency; // luminaire flux over lamp flux, percent
    LightDistribution distribution;
};

#endif
