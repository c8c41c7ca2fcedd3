#ifndef LUMETRIX_IO_LIGHTDATABASE_H
#define LUMETRIX_IO_LIGHTDATABASE_H

#include <cstdio>
#include <string>

class TextList;

// The light-source database: a semicolon-separated text file, one lamp per line. Field 0 is the
// lamp's name, fields 1 to 22 hold the values of quantities 0 to 21.
constexpr const char* kLightDatabaseFile = "LightDatabase.csv";

// The largest database the program reads. Even the catalogue of a large maker holds some ten
// thousand lamps, each a line of well under 160 bytes; the limits leave ten times that room,
// and a press of the button still takes a second or two and some ten megabytes, not minutes
// and the 32-bit program's whole address space.
constexpr long kMaximumDatabaseBytes = 16L * 1024 * 1024;
constexpr int kMaximumDatabaseRecords = 100000;

// Appends the records of an open database file to the list, each whole with its line end.
// Lines whose first byte is NUL, LF, CR or ';' (empty and comment lines) are not records.
// Lines are read in pieces of at most 4094 bytes; each piece counts as a line of its own.
// Returns false, having read nothing or only a part, when the file is larger than
// kMaximumDatabaseBytes or holds more than kMaximumDatabaseRecords records.
bool ReadDatabaseRecords(std::FILE* file, TextList& records);

// The name of a record: the bytes before its first ';', cut to 255 bytes, without blanks at
// either end.
std::string DatabaseRecordName(const char* record);

// What one value field of a record does to its quantity.
struct DatabaseField {
    enum class Action { Unchanged, Release, Fix };
    Action action;
    const char* text; // for Fix: the field from its first non-blank byte, as the edit gets it
};

DatabaseField InterpretDatabaseField(const char* field);

#endif
