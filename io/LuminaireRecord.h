#ifndef LUMETRIX_IO_LUMINAIRERECORD_H
#define LUMETRIX_IO_LUMINAIRERECORD_H

#include "photometry/LuminaireData.h"

#include <string>
#include <string_view>
#include <vector>

// A photometric file as record lines of the lamp database, one per lamp set, each with its line
// end: name;*;lamp flux;;beam angle;;;;;power;...;efficiency; - the luminous intensity released
// (it follows from the others), the lamp's own data given, every other field empty. A value that
// is not above 0 or lies outside its quantity's limits is one the file cannot give: its field
// releases the quantity, so that no earlier lamp's value stays given in its place. With several
// lamp sets each name carries its set's lamp type in brackets.
std::vector<std::string> LuminaireRecords(const LuminaireData& data, std::string_view fileName);

// The name the list shows: the file's name without blanks at either end, ';' as ',' and what
// Windows-1252 cannot show as '?' (a name in UTF-8 is converted); at most 255 bytes. When the
// file gives no name, the file name without its extension.
std::string LuminaireRecordName(std::string_view name, std::string_view fileName);

#endif
