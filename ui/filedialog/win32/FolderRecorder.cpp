#include "ui/filedialog/win32/FolderRecorder.h"

#include "ui/filedialog/FolderRecording.h"
#include "ui/filedialog/win32/ExtensionState.h"
#include "ui/filedialog/win32/RegistryHistory.h"

namespace {

PathKind LookUpPath(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return PathKind::Missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

} // namespace

void RecordFolder(HWND combo, const std::string& path) {
    const std::optional<FolderToRecord> record =
        FindFolderToRecord(path, g_fileDialog.saveDialog, LookUpPath);
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
