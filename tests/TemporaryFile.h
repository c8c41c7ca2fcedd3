#ifndef LUMETRIX_TESTS_TEMPORARYFILE_H
#define LUMETRIX_TESTS_TEMPORARYFILE_H

#include <cstdio>
#include <string>

// A temporary file that holds `content`, open for reading from its start, as the program's
// readers get the files they open. The caller closes it; it disappears then.
inline std::FILE* TemporaryFileHolding(const std::string& content) {
    std::FILE* file = std::tmpfile();
    std::fwrite(content.data(), 1, content.size(), file);
    std::rewind(file);
    return file;
}

#endif
