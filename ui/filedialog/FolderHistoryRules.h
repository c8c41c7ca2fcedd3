// The rules of a file dialog's folder history: which folder a chosen path records, and where
// the recorded folder goes in the history.
#ifndef LUMETRIX_UI_FILEDIALOG_FOLDERHISTORYRULES_H
#define LUMETRIX_UI_FILEDIALOG_FOLDERHISTORYRULES_H

#include <functional>
#include <optional>
#include <string>
#include <vector>

enum class PathKind { Missing, File, Folder };
using PathLookUp = std::function<PathKind(const std::string& path)>;

struct FolderToRecord {
    std::string folder; // ends with a path separator
    bool namedFile;     // the path named an existing file
};

// A path typed into the dialog as the dialog takes it: a relative path, "." and ".." included,
// is taken in the dialog's current folder; one beginning with a single separator on the
// current folder's drive. Empty when a relative path meets no current folder.
std::string AbsolutePath(const std::string& path, const std::string& currentFolder);

// The folder a path chosen in the dialog stands for, or nothing to record: a path that does
// not exist records nothing in a save dialog; an open dialog falls back to its parent folder.
// A folder gains a final "\"; a file gives its folder with the separator.
std::optional<FolderToRecord> FindFolderToRecord(std::string path, bool saveDialog,
                                                 const PathLookUp& lookUp);

// The history as recording changes it: the combobox's entries in the program, a list in the
// tests.
class EditableHistory {
public:
    virtual std::vector<std::string> Entries() const = 0;
    virtual void InsertOnTop(const std::string& folder) = 0;
    virtual void RemoveAt(int position) = 0;
    virtual void SelectTop() = 0;

protected:
    ~EditableHistory() = default;
};

// Puts the folder on top of the history once. The entry found is the first one that begins
// with the folder, without regard to case, as the combobox's own search finds it: found on
// top, nothing changes; found further down, it gives way to the folder, which is selected
// unless the path named a file; not found, the folder is added on top.
void RecordInHistory(EditableHistory& history, const FolderToRecord& record);

#endif
