#ifndef LUMETRIX_IO_LIGHTDATABASE_H
#define LUMETRIX_IO_LIGHTDATABASE_H

#include "model/Quantity.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

class TextList;

// The light-source database: a semicolon-separated text file, one lamp per line. Field 0 is the
// lamp's name, fields 1 to 23 hold the values of the quantities in their order (QuantityIndex).
constexpr const char* kLightDatabaseFile = "LightDatabase.csv";
constexpr std::size_t kMaximumNameLength = 255;

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
// kMaximumDatabaseBytes or holds more than kMaximumDatabaseRecords records; the records of
// other databases in the list do not count.
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

// A record as the program applies it: for each quantity what its value field does, with the text
// that a fixing field gives to the quantity's edit. The quantities of fields that the record
// lacks stay unchanged; fields after the 23 value fields are ignored.
struct LampRecordField {
    DatabaseField::Action action = DatabaseField::Action::Unchanged;
    std::string text;
};
using LampRecord = std::array<LampRecordField, kQuantityCount>;

LampRecord ReadLampRecord(const char* record);

// A record as the program writes one: for each quantity whether its field fixes a value,
// releases the quantity or leaves it unchanged.
struct RecordValue {
    DatabaseField::Action action = DatabaseField::Action::Unchanged;
    double value = 0.0;
};
using RecordValues = std::array<RecordValue, kQuantityCount>;

// The record line, with CR LF at its end: the name, then for each quantity the value to six
// significant digits, '*' or nothing. The name must hold no ';' and no line end.
std::string DatabaseRecordLine(std::string_view name, const RecordValues& values);

// A value rounded to six significant digits, written with a point and without exponent or
// trailing zeros: 80500, 60.8466, 0.000123457.
std::string SixSignificantDigits(double value);

// A text as the name field of a record that the program writes: without blanks at either end,
// ';' as ',' and what Windows-1252 cannot show as '?'; at most 255 bytes.
std::string ShowableName(std::string_view text);

// A name with a text in brackets that tells it apart from the same name elsewhere, as in
// "SURFACE MOUNTED WALL LUMINAIRE (wall3.ies)". The name is cut first, so that the whole stays
// within the 255 bytes of a name.
std::string NameToldApart(std::string_view name, std::string_view distinction);

#endif
