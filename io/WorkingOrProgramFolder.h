// Where the program finds the files it reads but never saves, such as LightDatabase.csv: in
// the working folder, as a program started from its own folder expects, or else beside the
// program, where it is installed, for a program started from a data file's folder ("Open
// with", a double click on a .lumx file, a command line elsewhere).
#ifndef LUMETRIX_IO_WORKINGORPROGRAMFOLDER_H
#define LUMETRIX_IO_WORKINGORPROGRAMFOLDER_H

#include <string>

// The path to read `name` (a file or a folder) under: the bare name when the working folder
// holds it, else the path of `name` in the program's own folder when that holds it, else the
// bare name again, so that a message about a missing file names it as the user knows it.
std::string FindInWorkingOrProgramFolder(const char* name);

#endif
