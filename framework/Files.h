// The program's files on the system's file system. The program names them by ANSI paths
// (Windows-1252), as the file dialogs return them; each system turns such a path into its own
// form: Windows into its wide names, without the MAX_PATH limit where a path needs more, the
// headless system into the host's UTF-8 names.
#ifndef LUMETRIX_FRAMEWORK_FILES_H
#define LUMETRIX_FRAMEWORK_FILES_H

#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#ifdef LUMETRIX_WIN32
using SystemPath = std::wstring;
#else
using SystemPath = std::string;
#endif

// Opens a regular file for reading in binary mode, without any sharing restriction. Returns
// null when the file cannot be opened and when the path names anything but a regular file (a
// folder, a device, a pipe); opening never waits for a device or for a pipe's writer.
std::FILE* OpenRegularFileForReading(const char* path);

// A regular file found in a folder: its name as the program shows it (Windows-1252, with '?'
// for a character that Windows-1252 cannot hold) and the system's path that opens it.
struct FolderFile {
    std::string name;
    SystemPath path;
};

// The regular files of a folder whose names `wanted` accepts, in no particular order; neither
// sub-folders nor the files in them. At most `limit` of them are listed; `more` counts the
// wanted files beyond. Nothing for a folder that is missing or cannot be read.
std::vector<FolderFile> ListFolderFiles(const std::string& folder,
                                        const std::function<bool(const std::string&)>& wanted,
                                        std::size_t limit, std::size_t& more);

// Opens a listed file as OpenRegularFileForReading opens a file named by the program.
std::FILE* OpenSystemFileForReading(const SystemPath& path);

// Where a save to a path goes: the file at the end of its symbolic links, and whether the
// user may replace it. A folder, a device, a read-only file and a file that the user's access
// rights do not let him write are refused.
struct SaveTarget {
    enum class State { Missing, Writable, Refused };
    State state;
    SystemPath path;
};
SaveTarget FindSaveTarget(const std::string& path);

// Creates a new file of a name of its own in the target's folder (see TemporaryFileName),
// writes the content through to the disk and closes it. NotCreated: no file could be created
// there, nothing is left behind; Failed: a write failed and the new file is removed again.
enum class WriteResult { Written, NotCreated, Failed };
WriteResult WriteFileBeside(const SystemPath& target, const std::string& content,
                            SystemPath& written);

// Puts the written file in the target's place in one step. An existing target keeps its
// attributes and access rights, and its owner where the process may hand files to others.
// False when the target was left as it was.
bool ReplaceByFile(const SystemPath& target, const SystemPath& written, bool targetExists);

void RemoveFile(const SystemPath& path);

// Writes the content over an existing file, through to the disk, for folders that let the user
// write his files but not create new ones. The file is never emptied first: the new bytes go
// over the old ones and the length is set last. Before the first byte changes, the old bytes
// are copied, piece by piece, into a rollback journal in the user's journal folder (see
// RollbackJournal.h); without such a folder the file is not written. On any failure the old bytes
// are written back from it and the result is false; a save killed midway is undone by
// RestoreInterruptedSaves at the next start. A file the user may write but not read is not written.
// Readers of the program wait while it writes.
bool OverwriteFile(const SystemPath& target, const std::string& content);

// Undoes the saves in place that ended midway (the program was killed, the power failed): each
// file such a save left half old and half new gets its old bytes back. A file changed by
// someone else since, or that the save had not yet touched, stays as it is. Returns the names
// of the files restored, as the program shows them.
std::vector<std::string> RestoreInterruptedSaves();
// The same for one file, named by the program, before it is read: an instance that runs already
// never reads the file as another's save killed midway left it. Returns its name, as the program
// shows it, when its old bytes were put back.
std::optional<std::string> RestoreInterruptedSave(const std::string& path);

// The folder of the user's own that keeps the rollback journals, with its final separator; made
// where it is missing. Empty when there is none that only the user can change.
SystemPath JournalFolder();
// The regular files of a folder (given with its final separator) whose names begin with the
// prefix and end with the suffix.
std::vector<SystemPath> FilesInFolder(const SystemPath& folder, const std::string& prefix,
                                      const std::string& suffix);
// A system's path as the program shows it: Windows-1252, '?' for what it cannot hold.
std::string NameToShow(const SystemPath& path);

// The size of an open file in bytes; -1 when it cannot be told or does not fit a long.
long SizeOfOpenFile(std::FILE* file);

// The name of the n-th candidate for a save's temporary file: "~lmx", four hexadecimal
// digits, ".tmp". Short, so that a path near the length limit rarely needs the long form, and
// unlike any data file's name, so a file left behind by a killed save is recognised as such.
std::string TemporaryFileName(unsigned number);
constexpr unsigned kTemporaryFileNames = 0x10000;

#endif
