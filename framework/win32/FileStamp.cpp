#include "framework/FileSnapshot.h"
#include "framework/WinTypes.h"

#include <io.h>

// Windows keeps the time of the last write in units of 100 nanoseconds.
std::optional<FileStamp> StampOf(std::FILE* file) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    BY_HANDLE_FILE_INFORMATION information;
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
