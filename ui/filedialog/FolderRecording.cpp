#include "ui/filedialog/FolderRecording.h"

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Case folding for Windows-1252: ASCII letters and the accented capitals.
unsigned char FoldCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    const bool upper =
        (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
    return upper ? byte + 0x20 : byte;
}

bool BeginsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (FoldCase(text[i]) != FoldCase(prefix[i]))
            return false;
    }
    return true;
}

int FindEntryBeginningWith(const std::vector<std::string>& history, const std::string& folder) {
    for (std::size_t i = 0; i < history.size(); ++i) {
        if (BeginsWithIgnoringCase(history[i], folder))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

std::optional<FolderToRecord> FindFolderToRecord(std::string path, bool saveDialog,
                                                 const PathLookUp& lookUp) {
    if (path.size() > 1 && IsSeparator(path.back()))
        path.pop_back();
    PathKind kind = lookUp(path);
    if (kind == PathKind::Missing) {
        if (saveDialog)
            return std::nullopt;
        const std::size_t cut = path.find_last_of("\\/");
        if (cut == std::string::npos || cut < 1)
            return std::nullopt;
        path.resize(cut);
        kind = lookUp(path);
        if (kind == PathKind::Missing)
            return std::nullopt;
    }
    if (kind == PathKind::Folder && (path.empty() || !IsSeparator(path.back()))) {
        path += '\\';
    } else {
        const std::size_t last = path.find_last_of("\\/");
        if (last == std::string::npos)
            return std::nullopt;
        path.resize(last + 1);
    }
    return FolderToRecord{path, kind == PathKind::File};
}

HistoryUpdate PlanHistoryUpdate(const std::vector<std::string>& history,
                                const FolderToRecord& record) {
    HistoryUpdate update;
    const int found = FindEntryBeginningWith(history, record.folder);
    if (found == 0)
        return update;
    update.insertOnTop = true;
    update.removeAt = found > 0 ? found + 1 : -1;
    update.selectTop = found > 0 && !record.namedFile;
    return update;
}

void ApplyHistoryUpdate(std::vector<std::string>& history, const std::string& folder,
                        const HistoryUpdate& update) {
    if (update.insertOnTop)
        history.insert(history.begin(), folder);
    if (update.removeAt >= 0)
        history.erase(history.begin() + update.removeAt);
}
