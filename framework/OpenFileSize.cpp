#include "framework/Files.h"

long SizeOfOpenFile(std::FILE* file) {
    const long start = std::ftell(file);
    if (start < 0 || std::fseek(file, 0, SEEK_END) != 0) {
        return -1;
    }
    const long size = std::ftell(file);
    return std::fseek(file, start, SEEK_SET) == 0 ? size : -1;
}
