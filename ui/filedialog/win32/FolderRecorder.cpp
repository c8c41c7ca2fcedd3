#include "ui/filedialog/win32/FolderRecorder.h"

#include "ui/filedialog/FolderRecording.h"
#include "ui/filedialog/HistoryData.h"
#include "ui/filedialog/win32/ExtensionState.h"
#include "ui/filedialog/win32/RegistryHistory.h"

#include <algorithm>
#include <cstring>

namespace {

PathKind LookUpPath(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return PathKind::Missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

} // namespace

void RecordFolder(HWND combo, const std::string& path, const std::string& currentFolder) {
    const std::optional<FolderToRecord> record =
        FindFolderToRecord(AbsolutePath(path, currentFolder), g_fileDialog.saveDialog, LookUpPath);
    if (!record)
        return;
    const HistoryUpdate update = PlanHistoryUpdate(HistoryEntries(combo), *record);
    if (update.insertOnTop)
        SendMessageA(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(record->folder.c_str()));
    if (update.removeAt >= 0)
        SendMessageA(combo, CB_DELETESTRING, update.removeAt, 0);
    if (update.selectTop)
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SaveHistory(combo, g_fileDialog.historyValueName);
}

void RecordFolderOfChosenFile(HWND combo, const OPENFILENAMEA& record) {
    if (record.lpstrFile == nullptr)
        return;
    const std::size_t length =
        strnlen(record.lpstrFile, std::min<std::size_t>(record.nMaxFile, kPathCapacity));
    if (length < kPathCapacity)
        RecordFolder(combo, std::string(record.lpstrFile, length), "");
}
