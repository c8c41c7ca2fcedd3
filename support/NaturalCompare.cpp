#include "support/NaturalCompare.h"

#include "support/Digits.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

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

bool IsAsciiLetter(unsigned c) {
    return (c | 0x20u) - 'a' < 26u;
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

// What the fast comparison needs to know of a byte, looked up in one table.
enum ByteClass : Byte {
    // A digit or an ASCII letter: a byte that a number may take. Numbers never reach across
    // any other byte.
    AlphanumericByte = 1,
    // Neither folded nor mapped when two texts differ in it: where a step compares it with
    // another such byte, and they are not both digits, their difference is the order.
    PlainByte = 2,
};

constexpr std::array<Byte, 256> MakeByteClasses() {
    std::array<Byte, 256> classes{};
    for (unsigned c = 0; c < 256; ++c) {
        const bool digit = IsDigit(c);
        const bool capital = c >= 'A' && c <= 'Z';
        const bool small = c >= 'a' && c <= 'z';
        const bool mapped = c >= 0x80 || capital || c == '_' || c == '\\' || c == '/' || c == '.';
        classes[c] =
            Byte((digit || capital || small ? AlphanumericByte : 0) | (mapped ? 0 : PlainByte));
    }
    return classes;
}

constexpr std::array<Byte, 256> ByteClasses = MakeByteClasses();

bool IsAlphanumeric(Byte c) {
    return (ByteClasses[c] & AlphanumericByte) != 0;
}

bool OrdersAsItself(Byte c) {
    return (ByteClasses[c] & PlainByte) != 0;
}

// The number of digits of a decimal number of at most nine digits without a leading '0' that
// starts the text, or 0 when none does. Such numbers cannot wrap, so of two the longer is the
// larger, and of two as long the first differing digit decides.
std::size_t ShortDecimalLength(const Byte* text) {
    if (text[0] < '1' || text[0] > '9') {
        return 0;
    }
    std::size_t length = 1;
    while (IsDigit(text[length])) {
        if (++length > 9) {
            return 0;
        }
    }
    return length;
}

// One step of the walk through both texts at offset k: one byte, or one number on each side.
// Both sides always move on by the same amount (numbers of different lengths end the walk),
// so one offset serves both. Returns true with the order in `result` when the step decides it,
// else false with k moved past the step.
bool Step(const Byte* a, const Byte* b, std::size_t& k, int& result) {
    const unsigned ca = FoldCase(a[k]);
    const unsigned cb = FoldCase(b[k]);
    if (ca == 0 || cb == 0) {
        result = int(ca) - int(cb);
        return true;
    }
    if (IsDigit(ca) && IsDigit(cb)) {
        const Number na = ReadNumber(a + k);
        const Number nb = ReadNumber(b + k);
        if (na.value != nb.value) {
            result = na.value < nb.value ? -1 : 1;
            return true;
        }
        if (na.length != nb.length) {
            // Same value written differently (007 and 7): the rest of the texts decide.
            result = CompareIgnoringAsciiCase(a + k, b + k, SIZE_MAX);
            return true;
        }
        result = CompareIgnoringAsciiCase(a + k, b + k, na.length);
        k += na.length;
        return result != 0;
    }
    if (ca != cb) {
        const unsigned ka = SortKey(ca);
        const unsigned kb = SortKey(cb);
        if (ka != kb) {
            result = int(ka) - int(kb);
            return true;
        }
    }
    ++k;
    return false;
}

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
// Words of bytes, first byte lowest, compared or classified several bytes at a time.
constexpr bool WordsFirstByteLowest = true;
#else
constexpr bool WordsFirstByteLowest = false;
#endif
using Word = std::uint64_t;
constexpr Word Ones = Word(-1) / 0xFF; // 0x0101...

Word LoadWord(const Byte* bytes) {
    Word word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// Per byte of the word: zero for a digit, not zero for any other byte.
Word NonDigits(Word word) {
    const Word highNibbleNot3 = (word & (Ones * 0xF0)) ^ (Ones * 0x30);
    const Word lowNibbleAbove9 = ((word & (Ones * 0x0F)) + Ones * 0x06) & (Ones * 0x10);
    return highNibbleNot3 | lowNibbleAbove9;
}

// The byte offsets of the lowest and the highest byte of a word that is not zero.
std::size_t LowestByte(Word word) {
    return std::size_t(__builtin_ctzll(word)) / 8;
}

std::size_t HighestByte(Word word) {
    return std::size_t(63 - __builtin_clzll(word)) / 8;
}

// The first offset from k on where the texts differ or both end; both texts can be read up to
// `readable`. Compares a word of each text at a time, and finds the lowest differing or NUL
// byte from the bits.
[[gnu::always_inline]] inline std::size_t FirstDifference(const Byte* a, const Byte* b,
                                                          std::size_t k, std::size_t readable) {
    constexpr Word Highs = Ones * 0x80; // 0x8080...
    while (WordsFirstByteLowest && k <= readable && readable - k >= sizeof(Word)) {
        const Word wordA = LoadWord(a + k);
        // The lowest set bit of `nul` lies in a's first NUL byte, if any (the bits above it
        // may be wrong).
        const Word nul = (wordA - Ones) & ~wordA & Highs;
        const Word stop = (wordA ^ LoadWord(b + k)) | nul;
        if (stop != 0) {
            return k + LowestByte(stop);
        }
        k += sizeof(Word);
    }
    while (a[k] == b[k] && a[k] != 0) {
        ++k;
    }
    return k;
}

// Whether a word that starts at a number's first byte, a '0', the number `length` digits long,
// holds a lone 0: one that no digit and no base prefix follows.
bool IsLoneZero(Word word, std::size_t length) {
    return length == 1 && PrefixBase(Byte(word >> 8)) == 0;
}

// The order of two texts that first differ, at `difference`, in a digit on at least one side,
// where that is found from words alone: both numbers there are decimal, of at most nine digits
// without a leading '0' (or a lone 0), and start after a byte that is no letter (or at the texts'
// start). Where only one side has a digit there, the digits before it must begin a number on both
// sides, one of them ending there ("12W" and "123W"). Then the longer number is the larger, and
// of two as long the differing digit decides. As the digits before the difference are the same
// on both sides, the lengths differ as the digits from the difference on do: those are counted
// in a word from the difference, and the digits before it, in the word before, independently
// of them. Returns 0 where this does not settle it.
int CompareShortDecimals(const Byte* a, const Byte* b, std::size_t difference,
                         std::size_t readable) {
    if (!WordsFirstByteLowest || readable < sizeof(Word) || readable - sizeof(Word) < difference) {
        return 0;
    }
    const Word wordA = LoadWord(a + difference);
    const Word wordB = LoadWord(b + difference);
    const Word digitsEndA = NonDigits(wordA);
    const Word digitsEndB = NonDigits(wordB);
    // The bytes before the difference, the last one highest; zeros stand in for bytes before
    // the texts' start.
    Word before = 0;
    if (difference >= sizeof(Word)) {
        before = LoadWord(a + difference - sizeof(Word));
    } else if (difference > 0) {
        before = LoadWord(a) << (8 * (sizeof(Word) - difference));
    }
    const Word nonDigitsBefore = NonDigits(before);
    if (digitsEndA == 0 || digitsEndB == 0 || nonDigitsBefore == 0) {
        return 0; // a run of more digits than a word holds
    }
    const std::size_t last = HighestByte(nonDigitsBefore);
    const std::size_t digitsBefore = sizeof(Word) - 1 - last;
    const std::size_t lengthA = LowestByte(digitsEndA);
    const std::size_t lengthB = LowestByte(digitsEndB);
    // A lone 0 is the smallest such number; any other leading '0' may begin a base prefix or
    // write a value the long way.
    const bool leadingZero = digitsBefore > 0
                                 ? Byte(before >> (8 * (last + 1))) == '0'
                                 : (Byte(wordA) == '0' && !IsLoneZero(wordA, lengthA)) ||
                                       (Byte(wordB) == '0' && !IsLoneZero(wordB, lengthB));
    const bool bothDigits = lengthA != 0 && lengthB != 0;
    if ((!bothDigits && digitsBefore == 0) || leadingZero ||
        IsAsciiLetter(Byte(before >> (8 * last))) ||
        digitsBefore + std::max(lengthA, lengthB) > 9) {
        return 0;
    }
    if (lengthA != lengthB) {
        return lengthA < lengthB ? -1 : 1;
    }
    return Byte(wordA) < Byte(wordB) ? -1 : 1;
}

// The first offset of the run of letters and digits that ends at `end`, but not before `from`.
std::size_t StartOfRun(const Byte* text, std::size_t from, std::size_t end) {
    while (end > from && IsAlphanumeric(text[end - 1])) {
        --end;
    }
    return end;
}

// Where both texts hold the same bytes, every step of the walk moves on without deciding, so
// such runs are skipped with a plain byte comparison. The walk is at a step's start where the
// run begins, and at the first byte of every run of letters and digits within it: a number
// read inside the run ends before the next other byte. So from the start of the run of
// letters and digits that the first difference lies in or follows, the walk goes on step by
// step, reading a number there from its first byte, until it is past the difference; then it
// skips the next run of equal bytes. Kept apart from its caller, which settles the most
// common differences without it and so without the cost of its many variables.
[[gnu::noinline]] int WalkFromDifferences(const Byte* pa, const Byte* pb, std::size_t difference,
                                          std::size_t readable) {
    std::size_t runStart = 0;
    for (;;) {
        const Byte ca = pa[difference];
        const Byte cb = pb[difference];
        if (ca == cb) {
            return 0; // both texts end here
        }
        const bool inRun = difference > runStart && IsAlphanumeric(pa[difference - 1]);
        if (!inRun && OrdersAsItself(ca) && OrdersAsItself(cb) && !(IsDigit(ca) && IsDigit(cb))) {
            return int(ca) - int(cb);
        }
        std::size_t k = inRun ? StartOfRun(pa, runStart, difference) : difference;
        int result = 0;
        do {
            const std::size_t lengthA = ShortDecimalLength(pa + k);
            const std::size_t lengthB = ShortDecimalLength(pb + k);
            if (lengthA != 0 && lengthB != 0) {
                if (lengthA != lengthB) {
                    return lengthA < lengthB ? -1 : 1;
                }
                if (difference < k + lengthA) {
                    return pa[difference] < pb[difference] ? -1 : 1;
                }
                k += lengthA;
            } else if (Step(pa, pb, k, result)) {
                return result;
            }
        } while (k <= difference);
        runStart = k;
        difference = FirstDifference(pa, pb, runStart, readable);
    }
}

const Byte* Bytes(const char* text) {
    return reinterpret_cast<const Byte*>(text != nullptr ? text : "");
}

} // namespace

int NaturalCompare(const char* a, const char* b) {
    const Byte* pa = Bytes(a);
    const Byte* pb = Bytes(b);
    std::size_t k = 0;
    int result = 0;
    while (!Step(pa, pb, k, result)) {
    }
    return result;
}

int FastNaturalCompare(const char* a, std::size_t aLength, const char* b, std::size_t bLength) {
    const Byte* pa = Bytes(a);
    const Byte* pb = Bytes(b);
    const std::size_t readable = a == nullptr || b == nullptr ? 0 : std::min(aLength, bLength);
    const std::size_t difference = FirstDifference(pa, pb, 0, readable);
    const Byte ca = pa[difference];
    const Byte cb = pb[difference];
    if (ca != cb && (IsDigit(ca) || IsDigit(cb))) {
        const int order = CompareShortDecimals(pa, pb, difference, readable);
        if (order != 0) {
            return order;
        }
    } else if (IsAsciiLetter(ca) && IsAsciiLetter(cb) && (ca | 0x20) != (cb | 0x20) &&
               (difference == 0 || !IsAlphanumeric(pa[difference - 1]))) {
        // Two different letters at the start of a run of letters and digits: a step of one byte
        // each, which orders them with their case folded.
        return int(ca | 0x20) - int(cb | 0x20);
    }
    return WalkFromDifferences(pa, pb, difference, readable);
}
