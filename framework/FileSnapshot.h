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

// The whole of a regular file in `content`, read in one piece with its size and time of last
// change taken before and after. Where the system can keep writers out while it reads (see
// WriteGuard), it does; elsewhere, and while another program has the file open for writing,
// the file is read a second time, after a write under way has ended, and must come out the same.
// A file that changed meanwhile is read once more, and when it changed again the result is
// Changing. TooLarge: more than `limit` bytes, not read. Unreadable: it cannot be opened (as
// OpenSystemFileForReading opens it) or read.
SnapshotResult ReadFileSnapshot(const SystemPath& path, std::size_t limit, std::string& content);

// What each system offers for it.

// Keeps other programs from writing an open file while the guard lasts. Windows opens the file
// once more without sharing write access, which succeeds only while no program has it open
// for writing and then keeps every program from opening it so. The headless host has no such
// rules: its guard never holds.
class WriteGuard {
public:
    explicit WriteGuard(std::FILE* file);
    ~WriteGuard();
    WriteGuard(const WriteGuard&) = delete;
    WriteGuard& operator=(const WriteGuard&) = delete;

    bool Holds() const { return m_handle != 0; }
    // Waits until a write that another program has under way has ended, where the system lets
    // a reader wait for it: on the host a write holds the file's lock throughout, and a search
    // for the file's data waits for that lock.
    void AwaitWriteUnderWay() const;

private:
    std::FILE* m_file;
    std::intptr_t m_handle = 0;
};

// The size of an open file and the time of its last change, as finely as the system keeps it.
struct FileStamp {
    std::uint64_t size;
    std::uint64_t changed;
    bool operator==(const FileStamp& other) const {
        return size == other.size && changed == other.changed;
    }
};
std::optional<FileStamp> StampOf(std::FILE* file);

#endif
