#include "io/FileReplacement.h"

#include "framework/WinTypes.h"

#include <cstdio>

namespace {

bool WriteNewFile(const std::string& path, const std::string& content) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed;
}

} // namespace

bool ReplaceFileContent(const std::string& path, const std::string& content) {
    const DWORD attributes = ::GetFileAttributes(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        return false;
    }
    const std::string temporary = path + ".lumetrix-tmp";
    if (WriteNewFile(temporary, content) &&
        ::MoveFileEx(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    ::DeleteFile(temporary.c_str());
    return false;
}
