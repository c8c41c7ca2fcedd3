#ifndef LUMETRIX_PHOTOMETRY_LUMINAIREDATA_H
#define LUMETRIX_PHOTOMETRY_LUMINAIREDATA_H

#include "photometry/LightDistribution.h"

#include <optional>
#include <string>
#include <vector>

// One lamp equipment of a luminaire: EULUMDAT lists several as alternatives (a road luminaire
// with an LED module of 9 408 lm or one of 10 080 lm), each measured against the same
// distribution per 1000 lm.
struct LampSet {
    std::string type; // as the file writes it, empty when it gives none
    double flux;      // luminous flux of the lamps, lm
    double power;     // electrical power with the ballast, W
};

// What the program takes from a maker's photometric file.
struct LuminaireData {
    std::string name;              // as the file writes it, empty when it gives none
    std::vector<LampSet> lampSets; // at least one
    double efficiency;             // luminaire flux over lamp flux, percent
    // The full angle at half the peak intensity, degrees; none when the file cannot state it
    // (an uplight, a distribution that never falls to half its peak).
    std::optional<double> beamAngle;
    // In candela for the first lamp set. Empty for IES photometry of type B, whose planes turn
    // about a horizontal axis.
    LightDistribution distribution;
    // IES photometry with lumens per lamp -1: the intensities are this one luminaire's as
    // measured, whatever lamps it holds, rather than measured per lamp flux.
    bool absolutePhotometry = false;
};

// How many times the intensities of the file's table a luminaire with lamps of `flux` lm sends
// out: the flux over the first lamp set's, or 1 for absolute photometry.
double CandelaScale(const LuminaireData& data, double flux);

// Why a file gives no lamp, as a message shows it: the line where reading stopped and what the
// program expected there, or a reason that concerns the whole file. German, Windows-1252.
struct ReadFault {
    int line; // counted from 1; 0 for the whole file
    std::string reason;

    // "Zeile 27: Lampenanzahl erwartet", or the reason alone.
    std::string Text() const;
};

// The lamp that a file gives, or why it gives none.
struct LuminaireReading {
    std::optional<LuminaireData> data;
    ReadFault fault; // when there is no data

    LuminaireReading(LuminaireData read) : data(std::move(read)), fault{0, std::string()} {}
    LuminaireReading(ReadFault failed) : fault(std::move(failed)) {}
};

// A lamp's measured flux above this, or its power above kMaximumLampPower, is no luminaire's:
// the file is broken.
constexpr double kMaximumLampFlux = 1e7;
constexpr double kMaximumLampPower = 1e6;

// A light output ratio as measured: a little over 100 percent is measuring tolerance and counts
// as 100; further over, the ratio says nothing.
double MeasuredRatio(double percent);

// The checks every reader makes of a lamp set's values; the fault names the line given.
std::optional<ReadFault> ImplausibleFlux(double flux, int line);
std::optional<ReadFault> ImplausiblePower(double power, int line);

#endif
