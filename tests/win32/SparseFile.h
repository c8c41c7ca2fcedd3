// A large file of zeros that takes no room on the disk: the system keeps it sparse.
#ifndef LUMETRIX_TESTS_WIN32_SPARSEFILE_H
#define LUMETRIX_TESTS_WIN32_SPARSEFILE_H

#include <windows.h>

#include <string>

// True when the file now has that many bytes.
inline bool MakeSparseFile(const std::string& path, LONGLONG bytes) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER size{};
    size.QuadPart = bytes;
    const bool made = SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return made;
}

#endif
