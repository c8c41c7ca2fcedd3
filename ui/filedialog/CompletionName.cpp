#include "ui/filedialog/CompletionName.h"

namespace {

// The characters of the bytes 0x80 to 0x9F; the five bytes without a character of their own
// stand for the control characters of the same number, as the system converts them.
constexpr char16_t kUpperControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> ByteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (int i = 0; i < 32; ++i) {
        if (kUpperControlRange[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> NameInWindows1252(std::u16string_view name) {
    std::string bytes;
    bytes.reserve(name.size());
    for (char16_t c : name) {
        const std::optional<char> byte = ByteOf(c);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(*byte);
    }
    return bytes;
}
