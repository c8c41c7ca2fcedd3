// The file functions of the headless system, on the host's POSIX file system. The program's
// paths are Windows-1252; the host gets them in UTF-8, as Windows turns ANSI paths into its own
// names.
#include "framework/Files.h"
#include "framework/HeadlessWin32Api.h"
#include "framework/SystemFile.h"
#include "support/Windows1252.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// How long a reader waits for a save in place to end before it gives up.
constexpr int kReaderPatienceMs = 10000;
constexpr int kLockPollMs = 10;
// Read and written by the user alone.
constexpr mode_t kPrivateMode = 0600;
constexpr mode_t kPrivateFolderMode = 0700;

std::string HostPath(const char* path) {
    return Utf8FromWindows1252(path);
}

// Like the read-only attribute, a file without any write permission bit is protected from
// everyone, even from a process that could override the bits.
bool IsReadOnly(const struct stat& status) {
    return (status.st_mode & 0222) == 0;
}

// The folder part of a path, with its final '/'; empty for a bare name.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool WriteAll(int descriptor, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t written = ::write(descriptor, content.data() + done, content.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
        } else if (written == 0 || errno != EINTR) {
            return false;
        }
    }
    return true;
}

bool WriteThroughAndClose(int descriptor, const std::string& content) {
    const bool written = WriteAll(descriptor, content) && ::fsync(descriptor) == 0;
    return ::close(descriptor) == 0 && written;
}

// Locks the whole file (flock: the lock belongs to this open of the file, so that two opens in
// one process exclude each other as two processes do), trying until the lock is granted or the
// patience is spent. Where the file system has no locks, there is nothing to wait for.
bool LockWhole(int descriptor, bool exclusive, int patienceMs) {
    for (int waited = 0;; waited += kLockPollMs) {
        if (::flock(descriptor, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0) {
            return true;
        }
        if (errno == ENOLCK || errno == EOPNOTSUPP) {
            return true;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= patienceMs) {
            return false;
        }
        ::usleep(kLockPollMs * 1000);
    }
}

// Makes a rename in the folder last through a power cut.
void SyncFolder(const std::string& folder) {
    const int descriptor =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

// The browser has a single user, whose files the host of its tests may give any owner.
bool IsTheUsers([[maybe_unused]] const struct stat& status) {
#ifdef __EMSCRIPTEN__
    return true;
#else
    return status.st_uid == ::geteuid();
#endif
}

void MakePrivateFolder(const std::string& folder) {
    ::mkdir(folder.c_str(), kPrivateFolderMode);
}

// A folder that nobody but the user can change: his own, not a link, writable by him alone.
bool IsPrivateFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    struct stat status;
    const bool isPrivate = ::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode) &&
                           IsTheUsers(status) && (status.st_mode & 022) == 0;
    ::close(descriptor);
    return isPrivate;
}

} // namespace

DWORD GetFileAttributesA(LPCSTR path) {
    struct stat status;
    if (path == nullptr || ::stat(HostPath(path).c_str(), &status) != 0) {
        return INVALID_FILE_ATTRIBUTES;
    }
    if (S_ISDIR(status.st_mode)) {
        return FILE_ATTRIBUTE_DIRECTORY;
    }
    return IsReadOnly(status) ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL;
}

std::FILE* OpenRegularFileForReading(const char* path) {
    return OpenSystemFileForReading(HostPath(path));
}

// The shared lock keeps a save in place from writing while the file is read, so that the
// reader never sees a file half old and half new.
std::FILE* OpenSystemFileForReading(const SystemPath& path) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    struct stat status;
    std::FILE* file = nullptr;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
        ::fcntl(descriptor, F_SETFL, 0) == 0 && LockWhole(descriptor, false, kReaderPatienceMs)) {
        file = ::fdopen(descriptor, "rb");
    }
    if (file == nullptr) {
        ::close(descriptor);
    }
    return file;
}

// The host's names are UTF-8; one that is not, or holds what Windows-1252 cannot, is shown
// with '?' in place of those characters.
std::vector<FolderFile> ListFolderFiles(const std::string& folder,
                                        const std::function<bool(const std::string&)>& wanted,
                                        std::size_t limit, std::size_t& more) {
    std::vector<FolderFile> files;
    more = 0;
    const std::string host = HostPath(folder.c_str());
    DIR* listing = ::opendir(host.c_str());
    if (listing == nullptr) {
        return files;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = Windows1252FromUtf8Replacing(entry->d_name);
        const std::string path = host + '/' + entry->d_name;
        struct stat status;
        if (!wanted(name) || ::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
            continue;
        }
        if (files.size() < limit) {
            files.push_back({name, path});
        } else {
            ++more;
        }
    }
    ::closedir(listing);
    return files;
}

SaveTarget FindSaveTarget(const std::string& path) {
    const std::string host = HostPath(path.c_str());
    char* resolved = ::realpath(host.c_str(), nullptr);
    const std::string target = resolved != nullptr ? resolved : host;
    std::free(resolved);
    struct stat status;
    if (::stat(target.c_str(), &status) != 0) {
        return {SaveTarget::State::Missing, target};
    }
    // The access rights of the user the program runs for, not the permission bits alone.
    const bool writable = S_ISREG(status.st_mode) && !IsReadOnly(status) &&
                          ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
    return {writable ? SaveTarget::State::Writable : SaveTarget::State::Refused, target};
}

WriteResult WriteFileBeside(const SystemPath& target, const std::string& content,
                            SystemPath& written) {
    const std::string folder = FolderOf(target);
    const unsigned first =
        static_cast<unsigned>(::getpid()) ^ static_cast<unsigned>(std::time(nullptr));
    for (unsigned n = 0; n < kTemporaryFileNames; ++n) {
        written = folder + TemporaryFileName(first + n);
        const int descriptor =
            ::open(written.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno == EEXIST) {
            continue;
        }
        if (descriptor < 0) {
            return WriteResult::NotCreated;
        }
        if (WriteThroughAndClose(descriptor, content)) {
            return WriteResult::Written;
        }
        ::unlink(written.c_str());
        return WriteResult::Failed;
    }
    return WriteResult::NotCreated;
}

bool ReplaceByFile(const SystemPath& target, const SystemPath& written, bool targetExists) {
    struct stat status;
    if (targetExists &&
        (::stat(target.c_str(), &status) != 0 ||
         ::chmod(written.c_str(), status.st_mode & 07777) != 0 ||
         // Only a privileged process may hand the file to another owner; for a user's own
         // file the owner is the same anyway.
         (::chown(written.c_str(), status.st_uid, status.st_gid) != 0 && errno != EPERM))) {
        return false;
    }
    if (::rename(written.c_str(), target.c_str()) != 0) {
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}

void RemoveFile(const SystemPath& path) {
    ::unlink(path.c_str());
}

// A relative path is taken against the current folder; "." and ".." stay as they are. The
// host's folder name is UTF-8; a folder that Windows-1252 cannot name gives no full path.
DWORD GetFullPathNameA(LPCSTR path, DWORD size, LPSTR buffer, LPSTR* filePart) {
    if (path == nullptr || *path == '\0') {
        return 0;
    }
    std::string full = path;
    if (full.front() != '/') {
        char folder[4096];
        if (::getcwd(folder, sizeof folder) == nullptr) {
            return 0;
        }
        const std::optional<std::string> ansiFolder = Windows1252FromUtf8(folder);
        if (!ansiFolder) {
            return 0;
        }
        full = *ansiFolder + '/' + full;
    }
    if (full.size() >= size) {
        return static_cast<DWORD>(full.size() + 1);
    }
    std::memcpy(buffer, full.c_str(), full.size() + 1);
    if (filePart != nullptr) {
        *filePart = buffer + full.rfind('/') + 1;
    }
    return static_cast<DWORD>(full.size());
}

SystemFile::SystemFile(const SystemPath& path, Access access) {
    int descriptor = -1;
    switch (access) {
    case Access::Read:
        // Without O_NONBLOCK, opening a pipe would wait for a writer.
        descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor >= 0) {
            ::fcntl(descriptor, F_SETFL, 0);
        }
        break;
    case Access::ReadWrite:
        descriptor = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (descriptor >= 0) {
            ::fcntl(descriptor, F_SETFL, 0);
        }
        break;
    case Access::CreateWrite:
        // Only the user may read it: it holds his data.
        descriptor =
            ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kPrivateMode);
        if (descriptor >= 0) {
            ::fchmod(descriptor, kPrivateMode); // whatever the umask took away
        }
        break;
    case Access::ReadPrivate:
        descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (descriptor >= 0) {
            ::fcntl(descriptor, F_SETFL, 0);
        }
        break;
    }
    m_missing = descriptor < 0 && errno == ENOENT;
    m_handle = descriptor;
}

SystemFile::~SystemFile() {
    Close();
}

bool SystemFile::IsRegular() const {
    struct stat status;
    return IsOpen() && ::fstat(static_cast<int>(m_handle), &status) == 0 && S_ISREG(status.st_mode);
}

// Checked on the open file, so that what is checked is what is read.
bool SystemFile::IsPrivate() const {
    struct stat status;
    return IsOpen() && ::fstat(static_cast<int>(m_handle), &status) == 0 &&
           S_ISREG(status.st_mode) && IsTheUsers(status) &&
           (status.st_mode & 07777) == kPrivateMode;
}

std::optional<std::uint64_t> SystemFile::Size() const {
    struct stat status;
    if (!IsOpen() || ::fstat(static_cast<int>(m_handle), &status) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.st_size);
}

std::optional<std::size_t> SystemFile::ReadAt(std::uint64_t offset, char* buffer,
                                              std::size_t size) {
    for (;;) {
        const ssize_t count =
            ::pread(static_cast<int>(m_handle), buffer, size, static_cast<off_t>(offset));
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            return std::nullopt;
        }
    }
}

bool SystemFile::WriteAt(std::uint64_t offset, const char* data, std::size_t size) {
    for (std::size_t done = 0; done < size;) {
        const ssize_t written = ::pwrite(static_cast<int>(m_handle), data + done, size - done,
                                         static_cast<off_t>(offset + done));
        if (written > 0) {
            done += static_cast<std::size_t>(written);
        } else if (written == 0 || errno != EINTR) {
            return false;
        }
    }
    return true;
}

bool SystemFile::SetSize(std::uint64_t size) {
    return ::ftruncate(static_cast<int>(m_handle), static_cast<off_t>(size)) == 0;
}

bool SystemFile::Flush() {
    return ::fsync(static_cast<int>(m_handle)) == 0;
}

bool SystemFile::Lock(bool exclusive, int patienceMs) {
    return IsOpen() && LockWhole(static_cast<int>(m_handle), exclusive, patienceMs);
}

bool SystemFile::Close() {
    if (!IsOpen()) {
        return true;
    }
    return ::close(static_cast<int>(std::exchange(m_handle, -1))) == 0;
}

// $XDG_RUNTIME_DIR/lumetrix, else $HOME/.cache/lumetrix/journals: folders of the user's own,
// unlike the shared temporary folder, where anybody may put a file of any name.
SystemPath JournalFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const char* home = std::getenv("HOME");
    std::string folder;
    if (runtime != nullptr && *runtime == '/') {
        folder = std::string(runtime) + "/lumetrix";
    } else if (home != nullptr && *home == '/') {
        MakePrivateFolder(std::string(home) + "/.cache");
        MakePrivateFolder(std::string(home) + "/.cache/lumetrix");
        folder = std::string(home) + "/.cache/lumetrix/journals";
    } else {
        return SystemPath();
    }
    MakePrivateFolder(folder);
    return IsPrivateFolder(folder) ? folder + '/' : SystemPath();
}

std::vector<SystemPath> FilesInFolder(const SystemPath& folder, const std::string& prefix,
                                      const std::string& suffix) {
    std::vector<SystemPath> files;
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return files;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        struct stat status;
        if (name.size() >= prefix.size() + suffix.size() &&
            name.compare(0, prefix.size(), prefix) == 0 &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 &&
            ::stat((folder + name).c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
            files.push_back(folder + name);
        }
    }
    ::closedir(listing);
    return files;
}

std::string NameToShow(const SystemPath& path) {
    return Windows1252FromUtf8Replacing(path);
}
