// The folder history as the registry keeps it: one multi-string (REG_MULTI_SZ), a folder per
// string, most recent first.
#ifndef LUMETRIX_UI_FILEDIALOG_HISTORYDATA_H
#define LUMETRIX_UI_FILEDIALOG_HISTORYDATA_H

#include <cstddef>
#include <string>
#include <vector>

// The registry's type code of a multi-string.
constexpr unsigned long kMultiStringType = 7;

constexpr std::size_t kHistoryReadLimit = 32;   // strings taken when reading
constexpr std::size_t kHistorySaveLimit = 16;   // entries offered when saving
constexpr std::size_t kHistoryDataLimit = 4096; // bytes written at most
// A path as the file dialogs hold it: at most 259 characters and a terminator.
constexpr std::size_t kPathCapacity = 260;

// The folders in registry data of the given type, whatever the data holds: nothing unless it
// is a multi-string; at most the first 32 strings; the list ends at the first empty string or
// at the end of the data, terminated or not; a string too long for a path is left out, and
// still counts among the 32.
std::vector<std::string> ReadHistoryData(unsigned long type, const std::string& data);

// The multi-string for the first 16 entries, leaving out any entry that would bring the data
// (its characters, a terminator each and the closing terminator) past 4096 bytes. Empty
// entries are left out too: they would end the list early.
std::string MakeHistoryData(const std::vector<std::string>& entries);

#endif
