// The texts of the program's own version record, the one the system shows in the file's
// properties ("ProductName", "ProductVersion", "LegalCopyright", ...): written once in the
// resource script and read from there wherever the program names itself.
#ifndef LUMETRIX_FRAMEWORK_VERSIONRECORD_H
#define LUMETRIX_FRAMEWORK_VERSIONRECORD_H

#include <string>

// The text of the German block, in Windows-1252; empty when the record lacks it.
std::string ProgramVersionString(const char* name);

#endif
