// Windows reads the version record from the executable file, as Explorer does.
#include "framework/VersionRecord.h"

#include <windows.h>

#include <vector>

namespace {

std::vector<char> OwnVersionRecord() {
    std::vector<wchar_t> path(32768);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) {
        return {};
    }
    std::vector<char> record(GetFileVersionInfoSizeW(path.data(), nullptr));
    if (!record.empty() &&
        !GetFileVersionInfoW(path.data(), 0, static_cast<DWORD>(record.size()), record.data())) {
        record.clear();
    }
    return record;
}

} // namespace

std::string ProgramVersionString(const char* name) {
    std::vector<char> record = OwnVersionRecord();
    if (record.empty()) {
        return std::string();
    }
    std::wstring query = L"\\StringFileInfo\\040704B0\\";
    for (const char* c = name; *c != '\0'; ++c) {
        query += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    }
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), query.c_str(), &text, &length) || length == 0) {
        return std::string();
    }
    const auto* wide = static_cast<const wchar_t*>(text);
    const int wideLength = lstrlenW(wide);
    std::string ansi(WideCharToMultiByte(1252, 0, wide, wideLength, nullptr, 0, nullptr, nullptr),
                     '\0');
    WideCharToMultiByte(1252, 0, wide, wideLength, ansi.data(), static_cast<int>(ansi.size()),
                        nullptr, nullptr);
    return ansi;
}
