#include "framework/Files.h"

std::string TemporaryFileName(unsigned number) {
    char name[16];
    std::snprintf(name, sizeof name, "~lmx%04X.tmp", number % kTemporaryFileNames);
    return name;
}
