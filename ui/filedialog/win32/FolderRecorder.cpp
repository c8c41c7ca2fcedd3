#include "ui/filedialog/win32/FolderRecorder.h"

#include "ui/filedialog/FolderHistoryRules.h"
#include "ui/filedialog/HistoryData.h"
#include "ui/filedialog/win32/RegistryHistory.h"

#include <algorithm>
#include <cstring>

namespace {

PathKind LookUpPath(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return PathKind::Missing;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

// The history combobox's entries as the recording rules change them.
class ComboHistory : public EditableHistory {
public:
    explicit ComboHistory(HWND combo) : m_combo(combo) {}

    std::vector<std::string> Entries() const override { return HistoryEntries(m_combo); }
    void InsertOnTop(const std::string& folder) override {
        SendMessageA(m_combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    }
    void RemoveAt(int position) override { SendMessageA(m_combo, CB_DELETESTRING, position, 0); }
    void SelectTop() override { SendMessageA(m_combo, CB_SETCURSEL, 0, 0); }

private:
    HWND m_combo;
};

} // namespace

void RecordFolder(ExtendedDialog& dialog, const std::string& path,
                  const std::string& currentFolder) {
    const std::optional<FolderToRecord> record =
        FindFolderToRecord(AbsolutePath(path, currentFolder), dialog.saveDialog, LookUpPath);
    if (!record) {
        return;
    }
    ComboHistory history(dialog.combo);
    RecordInHistory(history, *record);
    SaveHistory(dialog);
}

void RecordFolderOfChosenFile(ExtendedDialog& dialog, const OPENFILENAMEA& record) {
    if (record.lpstrFile == nullptr) {
        return;
    }
    const std::size_t length =
        strnlen(record.lpstrFile, std::min<std::size_t>(record.nMaxFile, kPathCapacity));
    if (length < kPathCapacity) {
        RecordFolder(dialog, std::string(record.lpstrFile, length), "");
    }
}
