#ifndef LUMETRIX_IO_DATAFILETEXT_H
#define LUMETRIX_IO_DATAFILETEXT_H

#include "model/ValueStore.h"

#include <cstdio>
#include <string>

// The text of a data file: one line per quantity, in quantity order,
// "<name> = <value> <unit>" with "  *" behind it for a given quantity, each ended by a line feed.
std::string FormatDataFile(const ValueStore& store);

// What a data file says about the quantities, built line by line while it is read.
struct DataFileContents {
    bool present[kQuantityCount] = {}; // a line of the quantity was recognised
    double value[kQuantityCount] = {}; // the number of its last recognised line
    bool marked[kQuantityCount] = {};  // a recognised line had a '*' after its '='
    int recognisedLines = 0;
};

// Recognises one line: the first quantity whose (trimmed) name occurs in it, followed somewhere
// by an '='. Lines that name no quantity, or have no '=' after the name, are skipped.
void RecogniseDataFileLine(const char* line, DataFileContents& contents);

// The largest file the program takes for a data file. A calculation is 22 lines of some 50
// bytes, and reading looks at no more than 1000 pieces of a line; a file of megabytes is
// something else, and is not read.
constexpr long kLargestDataFile = 4L * 1024 * 1024;

// Reads an open data file line by line into the contents. Lines arrive in pieces of at most 255
// bytes, each recognised on its own; at most 1000 pieces are looked at, so the size of the file
// does not matter.
void ReadDataFile(std::FILE* file, DataFileContents& contents);

#endif
