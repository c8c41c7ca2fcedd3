#include "ui/filedialog/HistoryValueName.h"

#include <algorithm>
#include <cstring>

namespace {

const std::size_t kMaxExtensionLength = 24;

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string HistoryValueName(const char* defaultExtension) {
    std::string name = "OfnList";
    if (defaultExtension == nullptr) {
        return name;
    }
    const char* extension = defaultExtension;
    for (const char* c = defaultExtension; *c != '\0'; ++c) {
        if (*c == '.' || *c == '*' || *c == '?') {
            extension = c + 1;
        }
    }
    const std::size_t length = std::min(std::strlen(extension), kMaxExtensionLength);
    for (std::size_t i = 0; i < length; ++i) {
        name += i == 0 ? UpperAscii(extension[i]) : LowerAscii(extension[i]);
    }
    return name;
}
