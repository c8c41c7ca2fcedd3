#ifndef LUMETRIX_TESTS_WHOLEFILES_H
#define LUMETRIX_TESTS_WHOLEFILES_H

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// The whole content of a file, read and written in one go; a missing file reads as empty.
inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void WriteWholeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

#endif
