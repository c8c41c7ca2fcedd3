// The headless system reads the version record's texts from the resource script.
#include "framework/VersionRecord.h"
#include "framework/headless/Resources.h"

std::string ProgramVersionString(const char* name) {
    const auto& strings = headless::Resources().versionStrings;
    const auto found = strings.find(name);
    return found == strings.end() ? std::string() : found->second;
}
