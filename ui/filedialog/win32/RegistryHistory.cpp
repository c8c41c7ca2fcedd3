#include "ui/filedialog/win32/RegistryHistory.h"

#include "framework/WinApp.h"
#include "ui/filedialog/HistoryData.h"

#include <algorithm>
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

std::wstring WideFromAnsi(const std::string& text) {
    const int size =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

// The ANSI name of a folder; false when the code page cannot hold every character of it.
bool AnsiFromWide(const std::wstring& wide, std::string& ansi) {
    const bool utf8 = GetACP() == CP_UTF8; // holds everything, and takes no flags
    BOOL defaultUsed = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide.data(),
                                         static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                         utf8 ? nullptr : &defaultUsed);
    if (size <= 0 || defaultUsed) {
        return false;
    }
    ansi.assign(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide.data(),
                        static_cast<int>(wide.size()), ansi.data(), size, nullptr,
                        utf8 ? nullptr : &defaultUsed);
    return !defaultUsed;
}

// The value's type and data as the registry holds it; false when it cannot be read.
bool ReadValue(HKEY key, const std::wstring& valueName, DWORD& type, std::wstring& data) {
    DWORD size = 0;
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return false;
    }
    data.assign(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        return false;
    }
    data.resize(std::min<std::size_t>(size / sizeof(wchar_t), data.size()));
    return true;
}

} // namespace

std::vector<std::string> HistoryEntries(HWND combo) {
    std::vector<std::string> entries;
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
        std::string entry(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
        if (length > 0) {
            SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        }
        entry.resize(std::strlen(entry.c_str()));
        entries.push_back(entry);
    }
    return entries;
}

void LoadHistory(ExtendedDialog& dialog) {
    const std::string& valueName = dialog.historyValueName;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, HistoryKeyName().c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return;
    }
    DWORD type = REG_NONE;
    std::wstring data;
    const bool read = ReadValue(key, WideFromAnsi(valueName), type, data);
    RegCloseKey(key);
    dialog.unnamedFolders.clear();
    if (!read) {
        return;
    }
    for (const std::wstring& folder : ReadHistoryData(type, data)) {
        std::string named;
        if (AnsiFromWide(folder, named)) {
            SendMessageA(dialog.combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(named.c_str()));
        } else {
            dialog.unnamedFolders.push_back(folder);
        }
    }
}

void SaveHistory(const ExtendedDialog& dialog) {
    std::vector<std::wstring> entries;
    for (const std::string& entry : HistoryEntries(dialog.combo)) {
        entries.push_back(WideFromAnsi(entry));
    }
    entries.insert(entries.end(), dialog.unnamedFolders.begin(), dialog.unnamedFolders.end());
    const std::wstring data = MakeHistoryData(entries);
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, HistoryKeyName().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(key, WideFromAnsi(dialog.historyValueName).c_str(), 0, REG_MULTI_SZ,
                   reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size() * sizeof(wchar_t)));
    RegCloseKey(key);
}
