#include "ui/filedialog/HistoryData.h"

#include <algorithm>

std::vector<std::string> ReadHistoryData(unsigned long type, const std::string& data) {
    std::vector<std::string> folders;
    if (type != kMultiStringType)
        return folders;
    std::size_t start = 0;
    for (std::size_t read = 0;
         start < data.size() && data[start] != '\0' && read < kHistoryReadLimit; ++read) {
        std::size_t end = std::min(data.find('\0', start), data.size());
        if (end - start < kPathCapacity)
            folders.push_back(data.substr(start, end - start));
        start = end + 1;
    }
    return folders;
}

std::string MakeHistoryData(const std::vector<std::string>& entries) {
    std::string data;
    const std::size_t count = std::min(entries.size(), kHistorySaveLimit);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& entry = entries[i];
        if (entry.empty() || data.size() + entry.size() + 2 > kHistoryDataLimit)
            continue;
        data += entry;
        data += '\0';
    }
    data += '\0';
    return data;
}
