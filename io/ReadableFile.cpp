#include "io/ReadableFile.h"

std::FILE* OpenReadableFile(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return nullptr;
    }
    // A folder opens, but its first read fails; an empty file just ends.
    const int first = std::fgetc(file);
    if (first == EOF && std::ferror(file)) {
        std::fclose(file);
        return nullptr;
    }
    std::ungetc(first, file);
    return file;
}
