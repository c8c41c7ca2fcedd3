// An open file of the system, read and written piece by piece at given places, so that no file
// has to fit into memory. Each backend implements it over its own handles.
#ifndef LUMETRIX_FRAMEWORK_SYSTEMFILE_H
#define LUMETRIX_FRAMEWORK_SYSTEMFILE_H

#include "framework/Files.h"

#include <cstddef>
#include <cstdint>
#include <optional>

class SystemFile {
public:
    enum class Access {
        Read,        // an existing file, for reading
        ReadWrite,   // an existing file, for reading and writing
        CreateWrite, // a new file, only the user's, for writing; fails when the name is taken
        ReadPrivate  // an existing file, for reading; a symbolic link at the path is not followed
    };

    SystemFile() = default;
    SystemFile(const SystemPath& path, Access access);
    ~SystemFile();
    SystemFile(SystemFile&& other) noexcept;
    SystemFile& operator=(SystemFile&& other) noexcept;
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;

    bool IsOpen() const { return m_handle != -1; }
    // The file could not be opened because there is no such file.
    bool WasMissing() const { return m_missing; }
    // A file on a disk: neither a folder nor a device nor a pipe.
    bool IsRegular() const;
    // A regular file that nobody but the user can have written: his own, which only he may read
    // and write (on Windows, where it lies in the user's own folder, a regular file).
    bool IsPrivate() const;
    std::optional<std::uint64_t> Size() const;

    // Reads up to `size` bytes from `offset`: the count read, 0 at the end of the file, nothing
    // when the read failed.
    std::optional<std::size_t> ReadAt(std::uint64_t offset, char* buffer, std::size_t size);
    // Writes all the bytes at `offset`; false when any of them was not written.
    bool WriteAt(std::uint64_t offset, const char* data, std::size_t size);
    bool SetSize(std::uint64_t size);
    // Everything written so far reaches the disk.
    bool Flush();

    // A lock on the whole file against the program's other opens of it, in this process or
    // another: a shared one for reading, an exclusive one for writing. Tried until it is granted
    // or `patienceMs` milliseconds have passed; false then. The lock goes with the file.
    bool Lock(bool exclusive, int patienceMs);

    // Closes the file; false when the system reports that not all of it was written.
    bool Close();

private:
    std::intptr_t m_handle = -1; // the system's handle or descriptor; -1 for none
    bool m_missing = false;
};

#endif
