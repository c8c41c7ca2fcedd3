#ifndef LUMETRIX_FUZZ_FUZZINPUT_H
#define LUMETRIX_FUZZ_FUZZINPUT_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// A fuzz input as a file opened for reading, as the program's readers get it.
inline std::FILE* OpenFuzzInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::tmpfile();
    if (file != nullptr) {
        std::fwrite(data, 1, size, file);
        std::rewind(file);
    }
    return file;
}

// A fuzz input as a NUL-terminated text (bytes after an inner NUL are cut off by readers).
inline std::string FuzzText(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

#endif
