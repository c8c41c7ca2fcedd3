#include "framework/FileSnapshot.h"

#include <sys/stat.h>

// The host keeps the times of a file to the nanosecond; a write changes its modification and its
// status change time.
std::optional<FileStamp> StampOf(std::FILE* file) {
    struct stat status;
    if (::fstat(::fileno(file), &status) != 0) {
        return std::nullopt;
    }
    const auto nanoseconds = [](const timespec& time) {
        return static_cast<std::uint64_t>(time.tv_sec) * 1000000000u +
               static_cast<std::uint64_t>(time.tv_nsec);
    };
    return FileStamp{static_cast<std::uint64_t>(status.st_size),
                     nanoseconds(status.st_mtim) ^ (nanoseconds(status.st_ctim) << 1)};
}
