#include "ui/filedialog/FolderHistoryRules.h"

#include "ui/filedialog/CaseFolding.h"

#include <algorithm>

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool HasDrive(const std::string& path) {
    return path.size() >= 2 && path[1] == ':';
}

// The folder with the relative path's parts added one by one.
std::string JoinRelative(std::string folder, const std::string& relative) {
    const std::size_t root = HasDrive(folder) ? 3 : 1;
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t end = std::min(relative.find_first_of("\\/", start), relative.size());
        const std::string part = relative.substr(start, end - start);
        if (part == "..") {
            while (folder.size() > root && IsSeparator(folder.back())) {
                folder.pop_back();
            }
            folder.resize(std::max(folder.find_last_of("\\/") + 1, std::min(root, folder.size())));
        } else if (!part.empty() && part != ".") {
            if (!folder.empty() && !IsSeparator(folder.back())) {
                folder += '\\';
            }
            folder += part;
        }
        if (end < relative.size() && !folder.empty() && !IsSeparator(folder.back())) {
            folder += '\\';
        }
        start = end + 1;
    }
    return folder;
}

int FindEntryBeginningWith(const std::vector<std::string>& history, const std::string& folder) {
    for (std::size_t i = 0; i < history.size(); ++i) {
        if (BeginsWithIgnoringCase(history[i], folder)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

std::string AbsolutePath(const std::string& path, const std::string& currentFolder) {
    if (path.empty() || (HasDrive(path) && path.size() > 2 && IsSeparator(path[2])) ||
        (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]))) {
        return path;
    }
    if (HasDrive(path)) { // on a drive, relative to the unknown folder there
        return path;
    }
    if (currentFolder.empty()) {
        return "";
    }
    if (IsSeparator(path[0])) {
        return HasDrive(currentFolder) ? currentFolder.substr(0, 2) + path : path;
    }
    return JoinRelative(currentFolder, path);
}

std::optional<FolderToRecord> FindFolderToRecord(std::string path, bool saveDialog,
                                                 const PathLookUp& lookUp) {
    if (path.size() > 1 && IsSeparator(path.back())) {
        path.pop_back();
    }
    PathKind kind = lookUp(path);
    if (kind == PathKind::Missing) {
        if (saveDialog) {
            return std::nullopt;
        }
        const std::size_t cut = path.find_last_of("\\/");
        if (cut == std::string::npos || cut < 1) {
            return std::nullopt;
        }
        path.resize(cut);
        kind = lookUp(path);
        if (kind == PathKind::Missing) {
            return std::nullopt;
        }
    }
    if (kind == PathKind::Folder && (path.empty() || !IsSeparator(path.back()))) {
        path += '\\';
    } else {
        const std::size_t last = path.find_last_of("\\/");
        if (last == std::string::npos) {
            return std::nullopt;
        }
        path.resize(last + 1);
    }
    return FolderToRecord{path, kind == PathKind::File};
}

void RecordInHistory(EditableHistory& history, const FolderToRecord& record) {
    const int found = FindEntryBeginningWith(history.Entries(), record.folder);
    if (found == 0) {
        return;
    }
    history.InsertOnTop(record.folder);
    if (found < 0) {
        return;
    }
    history.RemoveAt(found + 1);
    if (!record.namedFile) {
        history.SelectTop();
    }
}
