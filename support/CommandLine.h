#ifndef LUMETRIX_SUPPORT_COMMANDLINE_H
#define LUMETRIX_SUPPORT_COMMANDLINE_H

#include <string>
#include <string_view>

// The first argument of a command line that holds only the arguments, without the program's
// own name (what WinMain receives), split as the C runtime splits it into argv: blanks and
// tabs separate arguments, double quotes group blanks into one, a quote after an odd number
// of backslashes is a quote of its own, and "" inside quotes is one quote. Backslashes that no
// quote follows stay as they are, so "C:\Daten\x.lumx" keeps its backslashes. Empty when the
// line has no argument (an empty argument "" counts as none).
std::string FirstCommandLineArgument(std::string_view commandLine);

#endif
