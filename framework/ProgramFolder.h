// What the program asks the system about its own place and about paths it may read.
#ifndef LUMETRIX_FRAMEWORK_PROGRAMFOLDER_H
#define LUMETRIX_FRAMEWORK_PROGRAMFOLDER_H

#include <string>

// The folder of the running program with its final separator; empty when the system does not
// tell it in full.
std::string ProgramFolder();

// Whether the path names a file or a folder that exists.
bool PathExists(const std::string& path);

#endif
