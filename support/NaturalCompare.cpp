#include "support/NaturalCompare.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

using Byte = unsigned char;

// Turns the capitals A-Z and the Windows-1252 capitals 0xC0 to 0xDD into small letters.
unsigned FoldCase(Byte c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDD)) {
        return c + 32u;
    }
    return c;
}

unsigned FoldAsciiCase(Byte c) {
    return c >= 'A' && c <= 'Z' ? c + 32u : c;
}

bool IsDigit(unsigned c) {
    return c >= '0' && c <= '9';
}

// The letters that Windows-1252 bytes of 0x80 or more sort as; bytes not listed stay.
struct AccentGroup {
    const char* bytes;
    Byte letter;
};

constexpr AccentGroup AccentGroups[] = {
    {"\x83\x84\x85\x86\xA0\xE0\xE1\xE2\xE3\xE4\xE5\xE6", 'a'},
    {"\x8E\x8F", 'A'},
    {"\xE7", 'c'},
    {"\xF0", 'd'},
    {"\x82\x88\x89\x8A\xE8\xE9\xEA\xEB", 'e'},
    {"\x90", 'E'},
    {"\x8B\x8C\x8D\xA1\xEC\xED\xEE\xEF", 'i'},
    {"\xA4\xF1", 'n'},
    {"\xA5", 'N'},
    {"\x94\x95\xA2\xF2\xF3\xF4\xF5\xF6", 'o'},
    {"\xDF", 's'},
    {"\x81\x96\x97\xA3\xF9\xFA\xFB\xFC", 'u'},
    {"\x99", 'U'},
    {"\xFD\xFF", 'y'},
    {"\xFE", 0xDE},
};

// AccentTable[c - 0x80] is the byte that c sorts as.
constexpr std::array<Byte, 128> MakeAccentTable() {
    std::array<Byte, 128> table{};
    for (std::size_t k = 0; k < table.size(); ++k) {
        table[k] = Byte(0x80 + k);
    }
    for (const AccentGroup& group : AccentGroups) {
        for (const char* c = group.bytes; *c != '\0'; ++c) {
            table[Byte(*c) - 0x80] = group.letter;
        }
    }
    return table;
}

constexpr std::array<Byte, 128> AccentTable = MakeAccentTable();

// The byte a (case-folded) byte sorts as when two texts differ: accents are stripped,
// '_' sorts as a blank, path separators and '.' before everything printable.
unsigned SortKey(unsigned c) {
    if (c >= 0x80) {
        const unsigned letter = AccentTable[c - 0x80];
        return letter <= 'Z' ? letter + 32 : letter;
    }
    switch (c) {
    case '_':
        return ' ';
    case '\\':
    case '/':
        return 0;
    case '.':
        return 1;
    default:
        return c;
    }
}

// 0-9 and letters of either case as digits 0 to 35; anything else is no digit.
unsigned DigitValue(Byte c) {
    if (IsDigit(c)) {
        return c - unsigned('0');
    }
    const unsigned letter = FoldAsciiCase(c);
    if (letter >= 'a' && letter <= 'z') {
        return letter - 'a' + 10;
    }
    return 36;
}

struct Number {
    std::uint32_t value;
    std::size_t length; // bytes from the first byte through the last digit, prefix included
};

// The base that the byte after a leading '0' selects, or 0 when it is no base prefix.
unsigned PrefixBase(Byte c) {
    switch (FoldAsciiCase(c)) {
    case 'x':
        return 16;
    case 'd':
        return 10;
    case 'o':
        return 8;
    case 'b':
        return 2;
    default:
        return 0;
    }
}

// Reads the number starting at text, which begins with a digit. A leading '0' is skipped, or
// with a base prefix the two bytes. Stops at the first byte that is no digit of the base, so
// never reads past the terminating NUL.
Number ReadNumber(const Byte* text) {
    unsigned base = 10;
    std::size_t length = 0;
    if (text[0] == '0') {
        const unsigned prefixBase = PrefixBase(text[1]);
        base = prefixBase != 0 ? prefixBase : 10;
        length = prefixBase != 0 ? 2 : 1;
    }
    std::uint32_t value = 0; // unsigned, so a long run of digits wraps around
    for (unsigned digit = DigitValue(text[length]); digit < base;
         digit = DigitValue(text[++length])) {
        value = value * base + digit;
    }
    return Number{value, length};
}

// Compares two texts with A-Z folded, over at most limit bytes or to the end of the texts.
int CompareIgnoringAsciiCase(const Byte* a, const Byte* b, std::size_t limit) {
    for (std::size_t k = 0; k < limit; ++k) {
        const int difference = int(FoldAsciiCase(a[k])) - int(FoldAsciiCase(b[k]));
        if (difference != 0 || a[k] == '\0') {
            return difference;
        }
    }
    return 0;
}

} // namespace

int NaturalCompare(const char* a, const char* b) {
    auto* pa = reinterpret_cast<const Byte*>(a != nullptr ? a : "");
    auto* pb = reinterpret_cast<const Byte*>(b != nullptr ? b : "");
    for (;;) {
        const unsigned ca = FoldCase(*pa);
        const unsigned cb = FoldCase(*pb);
        if (ca == 0 || cb == 0) {
            return int(ca) - int(cb);
        }
        if (IsDigit(ca) && IsDigit(cb)) {
            const Number na = ReadNumber(pa);
            const Number nb = ReadNumber(pb);
            if (na.value != nb.value) {
                return na.value < nb.value ? -1 : 1;
            }
            if (na.length != nb.length) {
                // Same value written differently (007 and 7): the rest of the texts decide.
                return CompareIgnoringAsciiCase(pa, pb, SIZE_MAX);
            }
            const int difference = CompareIgnoringAsciiCase(pa, pb, na.length);
            if (difference != 0) {
                return difference;
            }
            pa += na.length;
            pb += nb.length;
            continue;
        }
        if (ca != cb) {
            const unsigned ka = SortKey(ca);
            const unsigned kb = SortKey(cb);
            if (ka != kb) {
                return int(ka) - int(kb);
            }
        }
        ++pa;
        ++pb;
    }
}
