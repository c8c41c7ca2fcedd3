// The common open and save dialogs: the desktop records what the program asked for and
// answers with a path or a cancel.
#include "framework/headless/Desktop.h"

#include <cstring>

namespace {

// "text\0pattern\0...\0\0" as a list.
std::vector<std::string> FilterEntries(LPCSTR filter) {
    std::vector<std::string> entries;
    for (LPCSTR entry = filter; entry != nullptr && *entry != '\0';
         entry += std::strlen(entry) + 1) {
        entries.emplace_back(entry);
    }
    return entries;
}

std::string TextOrEmpty(LPCSTR text) {
    return text == nullptr ? "" : text;
}

DWORD g_lastError = 0;

BOOL RunFileDialog(LPOPENFILENAMEA ofn, bool save) {
    g_lastError = 0;
    headless::FileDialogRecord record{save,
                                      ofn->hwndOwner,
                                      TextOrEmpty(ofn->lpstrTitle),
                                      FilterEntries(ofn->lpstrFilter),
                                      ofn->Flags,
                                      TextOrEmpty(ofn->lpstrFile),
                                      TextOrEmpty(ofn->lpstrDefExt),
                                      TextOrEmpty(ofn->lpstrInitialDir),
                                      std::nullopt};
    headless::Desktop* desktop = headless::Desktop::Current();
    std::optional<std::string> path =
        desktop != nullptr ? desktop->AnswerFileDialog(record) : std::nullopt;
    // A path that does not fit the caller's buffer fails, as FNERR_BUFFERTOOSMALL does.
    if (!path) {
        return FALSE;
    }
    if (ofn->lpstrFile == nullptr || path->size() + 1 > ofn->nMaxFile) {
        g_lastError = FNERR_BUFFERTOOSMALL;
        return FALSE;
    }
    std::memcpy(ofn->lpstrFile, path->c_str(), path->size() + 1);
    return TRUE;
}

} // namespace

BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn) {
    return RunFileDialog(ofn, false);
}

BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn) {
    return RunFileDialog(ofn, true);
}

DWORD CommDlgExtendedError() {
    return g_lastError;
}
