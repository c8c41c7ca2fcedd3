#include "io/WorkingOrProgramFolder.h"

#include "framework/WinTypes.h"

#include <vector>

namespace {

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

std::string ProgramFolder() {
    std::vector<char> path(32768);
    const DWORD length =
        ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) {
        return std::string();
    }
    const std::string program(path.data(), length);
    const std::size_t separator = program.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : program.substr(0, separator + 1);
}

std::string FindInWorkingOrProgramFolder(const char* name) {
    if (Exists(name)) {
        return name;
    }
    const std::string folder = ProgramFolder();
    if (!folder.empty() && Exists(folder + name)) {
        return folder + name;
    }
    return name;
}
