// The headless system's folders, from the host's process and environment; the host's UTF-8
// names become Windows-1252, as Windows gives them to an ANSI program.
#include "framework/KnownFolders.h"
#include "support/Windows1252.h"

#include <cstdlib>
#include <optional>
#include <unistd.h>

namespace {

std::string ProgramPath(const std::string& hostPath) {
    std::string path = Windows1252FromUtf8(hostPath).value_or(std::string());
    while (path.size() > 1 && path.back() == kPathSeparator) {
        path.pop_back();
    }
    return path;
}

} // namespace

std::string WorkingFolder() {
    char folder[4096];
    return ::getcwd(folder, sizeof folder) != nullptr ? ProgramPath(folder) : std::string();
}

std::string DocumentsFolder() {
    if (const char* documents = std::getenv("LUMETRIX_DOCUMENTS")) {
        return ProgramPath(documents);
    }
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != '\0' ? ProgramPath(std::string(home) + "/Documents")
                                            : std::string();
}
