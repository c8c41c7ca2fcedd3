// Where "Datenbank" takes its lamps from: the folder where the program finds LightDatabase.csv
// (the working folder, else the program's own, see WorkingOrProgramFolder.h), and the planner's
// own folder Lumetrix in his Documents, which no installation or update touches. Each may hold
// a LightDatabase.csv and a folder Leuchten of makers' photometric files.
#ifndef LUMETRIX_IO_LAMPSOURCES_H
#define LUMETRIX_IO_LAMPSOURCES_H

#include <string>
#include <vector>

constexpr const char* kPlannerFolderName = "Lumetrix";

struct LampSource {
    std::string databasePath; // its LightDatabase.csv (a bare name in the working folder)
    std::string lampFolder;   // its folder Leuchten
    std::string label;        // tells its database's records apart from another's
};

// The sources in the order above; the planner's folder only when the system names a Documents
// folder and it is not the first folder itself.
std::vector<LampSource> LampSources();

// The planner's own folder with its final separator, as the system names it; empty when the
// system names no Documents folder.
std::string PlannerFolder();

// The folders looked in, as full paths and each once, with the working folder and the
// program's folder named as such: for the message when none of them holds a lamp.
std::vector<std::string> LampFoldersLookedIn();

#endif
