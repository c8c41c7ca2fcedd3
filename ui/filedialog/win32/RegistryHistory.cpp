#include "ui/filedialog/win32/RegistryHistory.h"

#include "framework/WinApp.h"
#include "ui/filedialog/HistoryData.h"

#include <cstring>

namespace {

static_assert(kMultiStringType == REG_MULTI_SZ, "the registry's multi-string type");

// The program's own key when it exists, else the key the file dialogs of all programs share.
std::string HistoryKeyName() {
    const CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pszAppName != nullptr && *app->m_pszAppName != '\0') {
        const std::string own = std::string("Software\\Rovad\\") + app->m_pszAppName;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, own.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
            RegCloseKey(key);
            return own;
        }
    }
    return std::string("Software\\") + "Rovad\\Common" + "\\" + "OfnList";
}

// The value's type and bytes; false when it cannot be read.
bool ReadValue(HKEY key, const std::string& valueName, DWORD& type, std::string& data) {
    DWORD size = 0;
    if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    data.assign(size, '\0');
    if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
        return false;
    data.resize(std::min<std::size_t>(size, data.size()));
    return true;
}

} // namespace

std::vector<std::string> HistoryEntries(HWND combo) {
    std::vector<std::string> entries;
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
        std::string entry(std::size_t(std::max<LRESULT>(length, 0)) + 1, '\0');
        if (length > 0)
            SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(std::strlen(entry.c_str()));
        entries.push_back(entry);
    }
    return entries;
}

void LoadHistory(HWND combo, const std::string& valueName) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, HistoryKeyName().c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return;
    DWORD type = REG_NONE;
    std::string data;
    const bool read = ReadValue(key, valueName, type, data);
    RegCloseKey(key);
    if (!read)
        return;
    for (const std::string& folder : ReadHistoryData(type, data))
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(folder.c_str()));
}

void SaveHistory(HWND combo, const std::string& valueName) {
    const std::string data = MakeHistoryData(HistoryEntries(combo));
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, HistoryKeyName().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, valueName.c_str(), 0, REG_MULTI_SZ,
                   reinterpret_cast<const BYTE*>(data.data()), DWORD(data.size()));
    RegCloseKey(key);
}
