// The file functions of the headless system, on the host's POSIX file system.
#include "framework/headless/Win32Api.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

DWORD GetFileAttributesA(LPCSTR path) {
    struct stat status;
    if (path == nullptr || ::stat(path, &status) != 0) {
        return INVALID_FILE_ATTRIBUTES;
    }
    if (S_ISDIR(status.st_mode)) {
        return FILE_ATTRIBUTE_DIRECTORY;
    }
    // Like the read-only attribute, a file without any write permission bit is protected from
    // everyone, even from a process that could override the bits.
    return (status.st_mode & 0222) != 0 ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

// rename() replaces the target in one step, as MoveFileEx with MOVEFILE_REPLACE_EXISTING
// does; without that flag an existing target makes the move fail.
BOOL MoveFileExA(LPCSTR existing, LPCSTR target, DWORD flags) {
    if ((flags & MOVEFILE_REPLACE_EXISTING) == 0 && ::access(target, F_OK) == 0) {
        return FALSE;
    }
    return std::rename(existing, target) == 0;
}

BOOL DeleteFileA(LPCSTR path) {
    return std::remove(path) == 0;
}

// A relative path is taken against the current folder; "." and ".." stay as they are.
DWORD GetFullPathNameA(LPCSTR path, DWORD size, LPSTR buffer, LPSTR* filePart) {
    if (path == nullptr || *path == '\0') {
        return 0;
    }
    std::string full = path;
    if (full.front() != '/') {
        char folder[4096];
        if (::getcwd(folder, sizeof folder) == nullptr) {
            return 0;
        }
        full = std::string(folder) + '/' + full;
    }
    if (full.size() >= size) {
        return static_cast<DWORD>(full.size() + 1);
    }
    std::memcpy(buffer, full.c_str(), full.size() + 1);
    if (filePart != nullptr) {
        *filePart = buffer + full.rfind('/') + 1;
    }
    return static_cast<DWORD>(full.size());
}
