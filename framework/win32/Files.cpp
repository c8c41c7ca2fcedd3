// The program's files on Windows. ANSI paths become wide ones through the system's code page,
// and a path of MAX_PATH characters or more takes the "\\?\" form, which has no length limit:
// the file functions of the ANSI interface stop at MAX_PATH.
#include "framework/Files.h"
#include "framework/SystemFile.h"
#include "framework/WinTypes.h"

#include <algorithm>
#include <fcntl.h>
#include <io.h>
#include <utility>

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// How long a reader waits for a save in place to end before it gives up.
constexpr int kReaderPatienceMs = 10000;
constexpr DWORD kLockPollMs = 10;

std::wstring WideFromAnsi(const std::string& path) {
    const int size =
        MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), size);
    return wide;
}

// A wide name in the system's code page, '?' for what the code page cannot hold.
std::string AnsiFromWide(const wchar_t* name) {
    const int size = WideCharToMultiByte(CP_ACP, 0, name, -1, nullptr, 0, "?", nullptr);
    std::string ansi(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, name, -1, ansi.data(), size, "?", nullptr);
    ansi.resize(ansi.size() - 1);
    return ansi;
}

// The path as every wide file function accepts it, whatever its length.
std::wstring WithoutLengthLimit(const std::wstring& path) {
    const std::wstring longPrefix = L"\\\\?\\";
    if (path.compare(0, longPrefix.size(), longPrefix) == 0) {
        return path;
    }
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size || length < MAX_PATH) {
        return path;
    }
    full.resize(length);
    if (full.compare(0, 2, L"\\\\") == 0) {
        return longPrefix + L"UNC" + full.substr(1); // \\server\share becomes \\?\UNC\server\share
    }
    return longPrefix + full;
}

HANDLE OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD creation,
                DWORD flags = FILE_ATTRIBUTE_NORMAL) {
    return CreateFileW(WithoutLengthLimit(path).c_str(), access, share, nullptr, creation, flags,
                       nullptr);
}

// A file on a disk, neither a folder nor a device or a pipe.
bool IsRegularFile(HANDLE file, DWORD& attributes) {
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &information)) {
        return false;
    }
    attributes = information.dwFileAttributes;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The path of an open file at the end of its symbolic links; empty when it cannot be told.
std::wstring FinalPath(HANDLE file) {
    const DWORD size = GetFinalPathNameByHandleW(file, nullptr, 0, FILE_NAME_NORMALIZED);
    std::wstring path(size, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(file, path.data(), size, FILE_NAME_NORMALIZED);
    if (length == 0 || length >= size) {
        return std::wstring();
    }
    path.resize(length);
    return path;
}

bool WriteAll(HANDLE file, const std::string& content) {
    bool written = true;
    for (std::size_t done = 0; written && done < content.size();) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 20));
        DWORD count = 0;
        written = WriteFile(file, content.data() + done, chunk, &count, nullptr) && count > 0;
        done += count;
    }
    return written;
}

bool WriteThroughAndClose(HANDLE file, const std::string& content) {
    const bool written = WriteAll(file, content) && FlushFileBuffers(file);
    return CloseHandle(file) && written;
}

// Locks the whole file, trying until the lock is granted or the patience is spent. Where the
// file system has no locks, there is nothing to wait for.
bool LockWhole(HANDLE file, bool exclusive, int patienceMs) {
    const DWORD flags = (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0) | LOCKFILE_FAIL_IMMEDIATELY;
    for (int waited = 0;; waited += static_cast<int>(kLockPollMs)) {
        OVERLAPPED whole{};
        if (LockFileEx(file, flags, 0, MAXDWORD, MAXDWORD, &whole)) {
            return true;
        }
        if (GetLastError() != ERROR_LOCK_VIOLATION) {
            return GetLastError() == ERROR_NOT_SUPPORTED ||
                   GetLastError() == ERROR_INVALID_FUNCTION;
        }
        if (waited >= patienceMs) {
            return false;
        }
        Sleep(kLockPollMs);
    }
}

OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED place{};
    place.Offset = static_cast<DWORD>(offset);
    place.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return place;
}

// Gives the written file the target's attributes. ReplaceFile does so on Windows, not on Wine.
void TakeOverAttributes(const std::wstring& target, const std::wstring& written) {
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kKept) != 0) {
        SetFileAttributesW(written.c_str(), attributes & kKept);
    }
}

} // namespace

std::FILE* OpenRegularFileForReading(const char* path) {
    return OpenSystemFileForReading(WideFromAnsi(path));
}

// The shared lock keeps a save in place from writing while the file is read, so that the
// reader never sees a file half old and half new.
std::FILE* OpenSystemFileForReading(const SystemPath& path) {
    const HANDLE handle = OpenFile(path, GENERIC_READ, kShareAll, OPEN_EXISTING);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    DWORD attributes = 0;
    const int descriptor =
        IsRegularFile(handle, attributes) && LockWhole(handle, false, kReaderPatienceMs)
            ? _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY)
            : -1;
    if (descriptor == -1) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(descriptor, "rb");
    if (file == nullptr) {
        _close(descriptor); // closes the handle too
    }
    return file;
}

// The listing reads the wide names, so that every file opens by its own name even where the
// code page cannot show it.
std::vector<FolderFile> ListFolderFiles(const std::string& folder,
                                        const std::function<bool(const std::string&)>& wanted,
                                        std::size_t limit, std::size_t& more) {
    std::vector<FolderFile> files;
    more = 0;
    const std::wstring wideFolder = WideFromAnsi(folder) + L"\\";
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(WithoutLengthLimit(wideFolder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return files;
    }
    do {
        const std::string name = AnsiFromWide(found.cFileName);
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0 ||
            !wanted(name)) {
            continue;
        }
        if (files.size() < limit) {
            files.push_back({name, wideFolder + found.cFileName});
        } else {
            ++more;
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

SaveTarget FindSaveTarget(const std::string& path) {
    const std::wstring wide = WideFromAnsi(path);
    // Opening for writing checks the user's access rights and the read-only attribute.
    const HANDLE handle =
        OpenFile(wide, GENERIC_WRITE, kShareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? SaveTarget::State::Missing : SaveTarget::State::Refused, wide};
    }
    DWORD attributes = 0;
    const bool regular = IsRegularFile(handle, attributes);
    const std::wstring target = FinalPath(handle);
    CloseHandle(handle);
    const bool writable = regular && (attributes & FILE_ATTRIBUTE_READONLY) == 0;
    return {writable ? SaveTarget::State::Writable : SaveTarget::State::Refused,
            target.empty() ? wide : target};
}

WriteResult WriteFileBeside(const SystemPath& target, const std::string& content,
                            SystemPath& written) {
    const std::wstring folder = target.substr(0, target.find_last_of(L"\\/") + 1);
    const unsigned first = GetCurrentProcessId() ^ GetTickCount();
    for (unsigned n = 0; n < kTemporaryFileNames; ++n) {
        written = folder + WideFromAnsi(TemporaryFileName(first + n));
        const HANDLE file = OpenFile(written, GENERIC_WRITE, 0, CREATE_NEW);
        if (file == INVALID_HANDLE_VALUE &&
            (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS)) {
            continue;
        }
        if (file == INVALID_HANDLE_VALUE) {
            return WriteResult::NotCreated;
        }
        if (WriteThroughAndClose(file, content)) {
            return WriteResult::Written;
        }
        RemoveFile(written);
        return WriteResult::Failed;
    }
    return WriteResult::NotCreated;
}

// ReplaceFile gives the new file the old one's security; a new target simply takes the written
// file's place.
bool ReplaceByFile(const SystemPath& target, const SystemPath& written, bool targetExists) {
    const std::wstring to = WithoutLengthLimit(target);
    const std::wstring from = WithoutLengthLimit(written);
    if (targetExists) {
        TakeOverAttributes(to, from);
        return ReplaceFileW(to.c_str(), from.c_str(), nullptr, 0, nullptr, nullptr);
    }
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void RemoveFile(const SystemPath& path) {
    DeleteFileW(WithoutLengthLimit(path).c_str());
}

SystemFile::SystemFile(const SystemPath& path, Access access) {
    HANDLE handle = INVALID_HANDLE_VALUE;
    switch (access) {
    case Access::Read:
    case Access::ReadPrivate:
        handle = OpenFile(path, GENERIC_READ, kShareAll, OPEN_EXISTING);
        break;
    case Access::ReadWrite:
        // Others may go on reading, under the locks; nobody else writes meanwhile.
        handle = OpenFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                          OPEN_EXISTING);
        break;
    case Access::CreateWrite:
        // Nobody else opens it while it is written; it may go while open.
        handle = OpenFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_DELETE, CREATE_NEW);
        break;
    }
    m_missing = handle == INVALID_HANDLE_VALUE &&
                (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND);
    m_handle = reinterpret_cast<std::intptr_t>(handle);
}

SystemFile::~SystemFile() {
    Close();
}

bool SystemFile::IsRegular() const {
    DWORD attributes = 0;
    return IsOpen() && IsRegularFile(reinterpret_cast<HANDLE>(m_handle), attributes);
}

bool SystemFile::IsPrivate() const {
    return IsRegular();
}

std::optional<std::uint64_t> SystemFile::Size() const {
    LARGE_INTEGER size{};
    if (!IsOpen() || !GetFileSizeEx(reinterpret_cast<HANDLE>(m_handle), &size)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::optional<std::size_t> SystemFile::ReadAt(std::uint64_t offset, char* buffer,
                                              std::size_t size) {
    OVERLAPPED place = At(offset);
    DWORD count = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 20));
    if (!ReadFile(reinterpret_cast<HANDLE>(m_handle), buffer, wanted, &count, &place) &&
        GetLastError() != ERROR_HANDLE_EOF) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(count);
}

bool SystemFile::WriteAt(std::uint64_t offset, const char* data, std::size_t size) {
    for (std::size_t done = 0; done < size;) {
        OVERLAPPED place = At(offset + done);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1 << 20));
        DWORD count = 0;
        if (!WriteFile(reinterpret_cast<HANDLE>(m_handle), data + done, chunk, &count, &place) ||
            count == 0) {
            return false;
        }
        done += count;
    }
    return true;
}

bool SystemFile::SetSize(std::uint64_t size) {
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    const HANDLE handle = reinterpret_cast<HANDLE>(m_handle);
    return SetFilePointerEx(handle, end, nullptr, FILE_BEGIN) && SetEndOfFile(handle);
}

bool SystemFile::Flush() {
    return FlushFileBuffers(reinterpret_cast<HANDLE>(m_handle));
}

bool SystemFile::Lock(bool exclusive, int patienceMs) {
    return IsOpen() && LockWhole(reinterpret_cast<HANDLE>(m_handle), exclusive, patienceMs);
}

bool SystemFile::Close() {
    if (!IsOpen()) {
        return true;
    }
    const HANDLE handle = reinterpret_cast<HANDLE>(std::exchange(m_handle, -1));
    return CloseHandle(handle);
}

// The user's own folder for temporary files.
SystemPath JournalFolder() {
    wchar_t folder[MAX_PATH + 1] = L"";
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    return length > 0 && length <= MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

std::vector<SystemPath> FilesInFolder(const SystemPath& folder, const std::string& prefix,
                                      const std::string& suffix) {
    std::vector<SystemPath> files;
    const std::wstring pattern = WideFromAnsi(prefix) + L"*" + WideFromAnsi(suffix);
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(WithoutLengthLimit(folder + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return files;
    }
    do {
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0) {
            files.push_back(folder + found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

// Without the "\\?\" of a path that the system gave in its long form.
std::string NameToShow(const SystemPath& path) {
    const std::wstring longPrefix = L"\\\\?\\";
    const std::wstring uncPrefix = L"\\\\?\\UNC\\";
    if (path.compare(0, uncPrefix.size(), uncPrefix) == 0) {
        return "\\" + AnsiFromWide(path.c_str() + uncPrefix.size() - 1);
    }
    if (path.compare(0, longPrefix.size(), longPrefix) == 0) {
        return AnsiFromWide(path.c_str() + longPrefix.size());
    }
    return AnsiFromWide(path.c_str());
}
