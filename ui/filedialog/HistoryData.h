// The folder history as the registry keeps it: one multi-string (REG_MULTI_SZ), a folder per
// string, most recent first. The rules hold for strings of any character type: the program's
// ANSI strings, and the registry's own wide strings, which can hold folders that the ANSI code
// page cannot name.
#ifndef LUMETRIX_UI_FILEDIALOG_HISTORYDATA_H
#define LUMETRIX_UI_FILEDIALOG_HISTORYDATA_H

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

// The registry's type code of a multi-string.
constexpr unsigned long kMultiStringType = 7;

constexpr std::size_t kHistoryReadLimit = 32;   // strings taken when reading
constexpr std::size_t kHistorySaveLimit = 16;   // entries offered when saving
constexpr std::size_t kHistoryDataLimit = 4096; // characters written at most
// A path as the file dialogs hold it: at most 259 characters and a terminator.
constexpr std::size_t kPathCapacity = 260;

// The folders in registry data of the given type, whatever the data holds: nothing unless it
// is a multi-string; at most the first 32 strings; the list ends at the first empty string or
// at the end of the data, terminated or not; a string too long for a path is left out, and
// still counts among the 32.
template <class String>
std::vector<String> ReadHistoryData(unsigned long type, const String& data) {
    std::vector<String> folders;
    if (type != kMultiStringType) {
        return folders;
    }
    std::size_t start = 0;
    for (std::size_t read = 0;
         start < data.size() && data[start] != '\0' && read < kHistoryReadLimit; ++read) {
        const std::size_t end = std::min(data.find('\0', start), data.size());
        if (end - start < kPathCapacity) {
            folders.push_back(data.substr(start, end - start));
        }
        start = end + 1;
    }
    return folders;
}

// The multi-string for the first 16 entries, leaving out any entry that would bring the data
// (its characters, a terminator each and the closing terminator) past 4096 characters. Empty
// entries are left out too: they would end the list early.
template <class String> String MakeHistoryData(const std::vector<String>& entries) {
    String data;
    const std::size_t count = std::min(entries.size(), kHistorySaveLimit);
    for (std::size_t i = 0; i < count; ++i) {
        const String& entry = entries[i];
        if (entry.empty() || data.size() + entry.size() + 2 > kHistoryDataLimit) {
            continue;
        }
        data += entry;
        data += typename String::value_type();
    }
    data += typename String::value_type();
    return data;
}

#endif
