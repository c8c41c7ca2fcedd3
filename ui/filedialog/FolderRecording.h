// Recording the folder of a chosen path in a file dialog's folder history.
#ifndef LUMETRIX_UI_FILEDIALOG_FOLDERRECORDING_H
#define LUMETRIX_UI_FILEDIALOG_FOLDERRECORDING_H

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

// What recording a folder does to the history. The entry found is the first one that begins
// with the folder, without regard to case, as the combobox's own search finds it.
struct HistoryUpdate {
    bool insertOnTop = false;
    int removeAt = -1;      // position to remove after the insertion, or -1
    bool selectTop = false; // select the new top entry
};
HistoryUpdate PlanHistoryUpdate(const std::vector<std::string>& history,
                                const FolderToRecord& record);
void ApplyHistoryUpdate(std::vector<std::string>& history, const std::string& folder,
                        const HistoryUpdate& update);

#endif
