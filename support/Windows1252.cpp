#include "support/Windows1252.h"

#include <algorithm>

namespace {

// The characters of the bytes 0x80 to 0x9F; the undefined bytes keep their own number.
const char32_t kHighRow[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CharacterOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighRow[byte - 0x80];
    }
    return byte;
}

std::optional<char> ByteOfCharacter(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighRow[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The length of the UTF-8 sequence that starts with lead, 0 when no sequence starts with it.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

// Decodes the character at text[pos] and moves pos past it; nothing for a malformed sequence
// (stray continuation byte, truncated or overlong form, surrogate, beyond U+10FFFF).
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos) {
    static const char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    const auto lead = static_cast<unsigned char>(text[pos++]);
    const int length = SequenceLength(lead);
    if (length <= 1) {
        return length == 1 ? std::optional<char32_t>(lead) : std::nullopt;
    }
    char32_t c = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if (pos == text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    return c;
}

} // namespace

std::string Utf8FromWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char byte : text) {
        AppendUtf8(CharacterOfByte(static_cast<unsigned char>(byte)), out);
    }
    return out;
}

std::optional<std::string> Windows1252FromUtf8(std::string_view text) {
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> c = DecodeUtf8(text, pos);
        if (!c) {
            return std::nullopt;
        }
        const std::optional<char> byte = ByteOfCharacter(*c);
        if (!byte) {
            return std::nullopt;
        }
        out += *byte;
    }
    return out;
}

std::string Windows1252FromUtf8Replacing(std::string_view text) {
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = DecodeUtf8(text, pos);
        const std::optional<char> byte = c ? ByteOfCharacter(*c) : std::nullopt;
        if (!c) {
            pos = start + 1; // a malformed sequence costs its first byte only
        }
        out += byte.value_or('?');
    }
    return out;
}

bool IsWellFormedUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        if (!DecodeUtf8(text, pos)) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> Windows1252FromUtf16(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t c : text) {
        const std::optional<char> byte = ByteOfCharacter(c);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(*byte);
    }
    return bytes;
}

std::string Windows1252FromTextFile(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        return Windows1252FromUtf8Replacing(bytes.substr(kByteOrderMark.size()));
    }
    const bool beyondAscii = std::any_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (beyondAscii && IsWellFormedUtf8(bytes)) {
        return Windows1252FromUtf8Replacing(bytes);
    }
    return std::string(bytes);
}
