#include "ui/filedialog/FieldTextLimits.h"

namespace {

// An entry this long that does not fit the reader's buffer reads as empty rather than cut.
constexpr std::size_t kLongEntry = 1024;

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The length of the path the dialog builds from the typed text.
std::size_t JoinedLength(const std::string& typed, const std::string& currentFolder) {
    if (typed.size() >= 2 && typed[1] == ':') {
        return typed.size();
    }
    if (!typed.empty() && IsSeparator(typed[0])) {
        return 2 + typed.size();
    }
    const bool separated = !currentFolder.empty() && IsSeparator(currentFolder.back());
    return currentFolder.size() + (separated ? 0 : 1) + typed.size();
}

} // namespace

bool FitsFileDialog(const std::string& typed, const std::string& currentFolder) {
    return JoinedLength(typed, currentFolder) <= kLongestDialogPath;
}

std::string EntryForBuffer(std::string entry, std::size_t capacity) {
    if (capacity == 0) {
        return "";
    }
    if (entry.size() >= capacity) {
        entry.resize(entry.size() >= kLongEntry ? 0 : capacity - 1);
    }
    return entry;
}
