// The folders Windows names for the program, in its ANSI code page.
#include "framework/KnownFolders.h"
#include "framework/WinTypes.h"

#include <knownfolders.h>
#include <optional>
#include <shlobj.h>
#include <vector>

namespace {

// The text in the system's code page; nothing when the code page cannot write one of its
// characters.
std::optional<std::string> InCodePage(const std::wstring& wide) {
    BOOL unwritable = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr, 0,
                                         nullptr, &unwritable);
    if (wide.empty() || size <= 1 || unwritable) {
        return std::nullopt;
    }
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, ansi.data(), size, nullptr,
                        nullptr);
    ansi.resize(ansi.size() - 1);
    return ansi;
}

// The short (8.3) form of an existing path, which holds no character outside the code page.
std::wstring ShortForm(const std::wstring& path) {
    const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    std::wstring shortPath(size, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), size);
    shortPath.resize(length < size ? length : 0);
    return shortPath;
}

// A path in the system's code page, or in its short form where the code page cannot write it;
// empty when that does not help either.
std::string AnsiPath(const std::wstring& path) {
    if (const std::optional<std::string> ansi = InCodePage(path)) {
        return *ansi;
    }
    return InCodePage(ShortForm(path)).value_or(std::string());
}

std::wstring WithoutFinalSeparator(std::wstring path) {
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) {
        path.pop_back();
    }
    return path;
}

} // namespace

std::string WorkingFolder() {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::vector<wchar_t> folder(size + 1);
    const DWORD length = GetCurrentDirectoryW(size + 1, folder.data());
    if (length == 0 || length > size) {
        return std::string();
    }
    return AnsiPath(WithoutFinalSeparator(std::wstring(folder.data(), length)));
}

std::string DocumentsFolder() {
    PWSTR path = nullptr;
    std::wstring documents;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &path))) {
        documents = path;
    }
    CoTaskMemFree(path);
    return documents.empty() ? std::string() : AnsiPath(WithoutFinalSeparator(documents));
}
