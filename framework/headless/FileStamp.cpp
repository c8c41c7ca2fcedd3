// What the headless host offers for reading a file that others may write: fine time stamps, and
// a wait for a write under way.
#include "framework/FileSnapshot.h"

#include <sys/stat.h>
#include <unistd.h>

// A write changes the file's modification and status change times, kept to the nanosecond.
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

// The host has no sharing rules that keep writers out.
WriteGuard::WriteGuard(std::FILE* file) : m_file(file) {}

WriteGuard::~WriteGuard() = default;

// The file systems of the host (ext4, XFS, Btrfs, tmpfs) hold a file's lock for the whole of a
// write, also while the writer is put aside between two pages; looking for the file's data
// takes the same lock and so waits for the write to end. Where a file system does without,
// this returns at once, and where the host cannot look for data (the browser's files, which no
// other program writes), there is nothing to wait for.
void WriteGuard::AwaitWriteUnderWay() const {
    const int descriptor = ::fileno(m_file);
#ifdef SEEK_DATA
    const off_t position = ::lseek(descriptor, 0, SEEK_CUR);
    ::lseek(descriptor, 0, SEEK_DATA);
    ::lseek(descriptor, position, SEEK_SET);
#else
    static_cast<void>(descriptor);
#endif
}
