#ifndef LUMETRIX_IO_DATAFILETEXT_H
#define LUMETRIX_IO_DATAFILETEXT_H

#include "io/DataFileDistribution.h"
#include "model/ValueStore.h"
#include "photometry/Room.h"

#include <cstdio>
#include <optional>
#include <string>

// The text of a data file: one line per quantity, in quantity order,
// "<name> = <value> <unit>" with "  *" behind it for a given quantity, each ended by a line feed.
// A calculation whose room dialog was used adds the room after them, an input a line
// "<label> = <value> <unit>", and the photometric file whose light it used, if any, as
// "Leuchtendatei       : <file name>". Only the room's last label, "Wartungsfaktor", holds a
// quantity's name: it is told from the quantity's line by following the room's other lines. The
// lamp file's line holds no '=' (an '=' of the name is written as %3D, a '%' as %25), so that
// readers of the quantities, those of earlier versions too, skip the room's other lines.
// The lamp file's light distribution, when the calculation has it, follows the lamp file's line
// (FormatDistributionLines).
std::string FormatDataFile(const ValueStore& store, const std::optional<Room>& room = std::nullopt,
                           const std::string& lampFileName = std::string(),
                           const LightDistribution* distribution = nullptr);

// What a data file says about the quantities, built line by line while it is read.
struct DataFileContents {
    bool present[kQuantityCount] = {};   // a line of the quantity was recognised
    double value[kQuantityCount] = {};   // the number of its last recognised line
    bool marked[kQuantityCount] = {};    // a recognised line had a '*' after its '='
    int recognisedLines = 0;             // of quantities
    std::optional<Room> room;            // a room line was recognised; the others as Room starts
    std::string lampFileName;            // of the room's light, empty for none
    DistributionLines distributionLines; // as they come
    std::optional<LightDistribution> distribution; // the lamp file's, from the lines read
    // Set by ReadDataFile: the problem of a room it left out (see FindRoomProblem), and a lamp
    // file name it refused, one that holds a control character or a folder separator.
    RoomProblem roomProblem = RoomProblem::None;
    bool lampFileNameRefused = false;
};

// Recognises one line: a line that begins with a room input's label and has an '=' after it, a
// lamp file's line, or else the first quantity whose (trimmed) name occurs in it, followed
// somewhere by an '='. Lines that name no quantity, or have no '=' after the name, are skipped,
// and so are those whose number is not finite ("nan", "inf", 1e400).
void RecogniseDataFileLine(const char* line, DataFileContents& contents);

// The largest file the program takes for a data file. A calculation is 23 lines of some 50
// bytes, and reading looks at no more than 1000 pieces of a line; a file of megabytes is
// something else, and is not read.
constexpr long kLargestDataFile = 4L * 1024 * 1024;

// Reads an open data file line by line into the contents. Lines arrive in pieces of at most 255
// bytes, each recognised on its own but for the pieces of a lamp file's line, which are joined;
// at most 1000 pieces are looked at, so the size of the file does not matter. The lines of a
// light distribution are read whole, as one piece each: the file's size bounds them. A room that
// the room's rule refuses is left out, with its lamp file and light distribution, and so is a
// lamp file name that names no file of a folder. A file of quantities without the
// Wartungsfaktor, as every file of the versions before it, counts with a given factor of 1, so
// that it gives the result it gave.
void ReadDataFile(std::FILE* file, DataFileContents& contents);

#endif
