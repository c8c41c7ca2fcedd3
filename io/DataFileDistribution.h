#ifndef LUMETRIX_IO_DATAFILEDISTRIBUTION_H
#define LUMETRIX_IO_DATAFILEDISTRIBUTION_H

#include "photometry/LightDistribution.h"

#include <optional>
#include <string>

// The light distribution that a data file carries after its room, so that the calculation opens
// the same where the lamp file is not: four lines, "<label>: <numbers>", the symmetry, the C
// angles, the gamma angles and the intensities plane after plane, each number as C's "%.17g"
// writes it, separated by single blanks. The lines hold no '=' and no quantity's name, so that
// the readers of the quantities and the room skip them.
std::string FormatDistributionLines(const LightDistribution& distribution);

// Whether the line is one of the distribution's.
bool IsDistributionLine(const char* line);

// The distribution's lines as read so far.
struct DistributionLines {
    std::optional<PlaneSymmetry> symmetry;
    LightDistribution distribution;
};

// Takes one of the distribution's lines into those read so far.
void RecogniseDistributionLine(const char* line, DistributionLines& lines);

// The distribution the lines give, when they give one the program can work with.
std::optional<LightDistribution> DistributionOf(const DistributionLines& lines);

#endif
