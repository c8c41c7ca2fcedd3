#include "fuzz/FuzzInput.h"
#include "ui/filedialog/HistoryData.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Whether `part` holds entries of `whole` in the same order.
bool IsInOrderWithin(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
    auto next = whole.begin();
    for (const std::string& entry : part) {
        next = std::find(next, whole.end(), entry);
        if (next == whole.end()) {
            return false;
        }
        ++next;
    }
    return true;
}

} // namespace

// Any registry value of the folder history, its first byte the value's type: reading it gives
// folders only from a multi-string, at most 32 that each fit a path, and saving them stores,
// within 4096 bytes, folders of the first 16 in their order.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const unsigned long type = data[0];
    const std::vector<std::string> folders = ReadHistoryData(type, FuzzText(data + 1, size - 1));
    if (type != kMultiStringType && !folders.empty()) {
        std::abort();
    }
    if (folders.size() > kHistoryReadLimit) {
        std::abort();
    }
    for (const std::string& folder : folders) {
        if (folder.empty() || folder.size() >= kPathCapacity) {
            std::abort();
        }
    }
    const std::string saved = MakeHistoryData(folders);
    const std::vector<std::string> first(
        folders.begin(), folders.begin() + std::min(folders.size(), kHistorySaveLimit));
    if (saved.size() > kHistoryDataLimit ||
        !IsInOrderWithin(ReadHistoryData(kMultiStringType, saved), first)) {
        std::abort();
    }
    return 0;
}
