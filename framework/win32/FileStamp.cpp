// What Windows offers for reading a file that others may write: time stamps, and sharing rules
// that keep writers out.
#include "framework/FileSnapshot.h"
#include "framework/WinTypes.h"

#include <io.h>

namespace {

HANDLE HandleOf(std::FILE* file) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
}

} // namespace

// Windows keeps the time of the last write in units of 100 nanoseconds.
std::optional<FileStamp> StampOf(std::FILE* file) {
    BY_HANDLE_FILE_INFORMATION information;
    const HANDLE handle = HandleOf(file);
    if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &information)) {
        return std::nullopt;
    }
    const auto join = [](DWORD high, DWORD low) {
        return (static_cast<std::uint64_t>(high) << 32) | low;
    };
    return FileStamp{join(information.nFileSizeHigh, information.nFileSizeLow),
                     join(information.ftLastWriteTime.dwHighDateTime,
                          information.ftLastWriteTime.dwLowDateTime)};
}

// A second handle that shares reading and deleting but not writing: it cannot be opened while
// another handle may write the file, and no such handle can be opened while it is.
WriteGuard::WriteGuard(std::FILE* file) : m_file(file) {
    const HANDLE guard =
        ReOpenFile(HandleOf(file), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, 0);
    if (guard != INVALID_HANDLE_VALUE) {
        m_handle = reinterpret_cast<std::intptr_t>(guard);
    }
}

WriteGuard::~WriteGuard() {
    if (m_handle != 0) {
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    }
}

// Windows lets one read and one write of a file on a disk not run into each other; there is
// no write under way to wait for between two reads.
void WriteGuard::AwaitWriteUnderWay() const {}
