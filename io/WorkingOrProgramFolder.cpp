#include "io/WorkingOrProgramFolder.h"

#include "framework/ProgramFolder.h"

std::string FindInWorkingOrProgramFolder(const char* name) {
    if (PathExists(name)) {
        return name;
    }
    const std::string folder = ProgramFolder();
    if (!folder.empty() && PathExists(folder + name)) {
        return folder + name;
    }
    return name;
}
