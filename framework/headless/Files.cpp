// The file functions of the headless system, on the host's POSIX file system. The program's
// paths are Windows-1252; the host gets them in UTF-8, as Windows turns ANSI paths into its own
// names.
#include "framework/Files.h"
#include "framework/headless/Win32Api.h"
#include "support/Windows1252.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

bool ReadAll(int descriptor, std::string& content) {
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count == 0) {
            return true;
        }
        if (count > 0) {
            content.append(buffer, static_cast<std::size_t>(count));
        } else if (errno != EINTR) {
            return false;
        }
    }
}

// The whole file becomes the content: written from its start, cut to its length, on the disk.
bool WriteFileContent(int descriptor, const std::string& content) {
    return ::lseek(descriptor, 0, SEEK_SET) == 0 && WriteAll(descriptor, content) &&
           ::ftruncate(descriptor, static_cast<off_t>(content.size())) == 0 &&
           ::fsync(descriptor) == 0;
}

bool WriteThroughAndClose(int descriptor, const std::string& content) {
    const bool written = WriteAll(descriptor, content) && ::fsync(descriptor) == 0;
    return ::close(descriptor) == 0 && written;
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

std::FILE* OpenSystemFileForReading(const SystemPath& path) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    struct stat status;
    std::FILE* file = nullptr;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
        ::fcntl(descriptor, F_SETFL, 0) == 0) {
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

bool OverwriteFile(const SystemPath& target, const std::string& content) {
    const int descriptor = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    std::string old;
    if (!ReadAll(descriptor, old)) {
        ::close(descriptor);
        return false;
    }
    const bool written = WriteFileContent(descriptor, content);
    if (!written) {
        WriteFileContent(descriptor, old);
    }
    return ::close(descriptor) == 0 && written;
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
