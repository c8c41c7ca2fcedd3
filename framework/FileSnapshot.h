// Reading a file that another program may be rewriting at the same moment, so that what the
// program gets is one version of it, never the start of one and the end of another.
#ifndef LUMETRIX_FRAMEWORK_FILESNAPSHOT_H
#define LUMETRIX_FRAMEWORK_FILESNAPSHOT_H

#include "framework/Files.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

enum class SnapshotResult { Read, Unreadable, TooLarge, Changing };

// The whole of a regular file in `content`. The file is read in one piece, twice, with its
// size and time of last change taken before and after: a writer that changes it meanwhile
// changes one of them, or makes the two readings differ. Then the file is read once more, and
// when it changed again the result is Changing. TooLarge: more than `limit` bytes, not read.
// Unreadable: it cannot be opened (as OpenSystemFileForReading opens it) or read.
SnapshotResult ReadFileSnapshot(const SystemPath& path, std::size_t limit, std::string& content);

// What each system tells of an open file: its size and the time of its last change, as finely
// as it keeps it.
struct FileStamp {
    std::uint64_t size;
    std::uint64_t changed;
    bool operator==(const FileStamp& other) const {
        return size == other.size && changed == other.changed;
    }
};
std::optional<FileStamp> StampOf(std::FILE* file);

#endif
