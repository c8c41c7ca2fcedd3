// The natural text order of the lamp list: letters without regard to case or accents, numbers
// by their value in their base, and what decides between equal values.
#include "support/NaturalCompare.h"
#include "support/NaturalTextOrder.h"
#include "support/TextList.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Compares copies in buffers of exactly the texts' size, so that the sanitizers catch any
// read past the terminating NUL.
int Compare(const std::string& a, const std::string& b) {
    std::unique_ptr<char[]> exactA(new char[a.size() + 1]);
    std::unique_ptr<char[]> exactB(new char[b.size() + 1]);
    std::memcpy(exactA.get(), a.c_str(), a.size() + 1);
    std::memcpy(exactB.get(), b.c_str(), b.size() + 1);
    return NaturalCompare(exactA.get(), exactB.get());
}

testing::AssertionResult Before(const std::string& a, const std::string& b) {
    const int forward = Compare(a, b);
    const int backward = Compare(b, a);
    if (forward < 0 && backward > 0) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << '"' << a << "\" vs \"" << b << "\" gives " << forward << ", reversed " << backward;
}

testing::AssertionResult Level(const std::string& a, const std::string& b) {
    const int forward = Compare(a, b);
    const int backward = Compare(b, a);
    if (forward == 0 && backward == 0) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << '"' << a << "\" vs \"" << b << "\" gives " << forward << ", reversed " << backward;
}

} // namespace

TEST(NaturalCompareLetters, IgnoresCaseIncludingAccentedCapitals) {
    EXPECT_TRUE(Level("lampe", "LAMPE"));
    EXPECT_TRUE(Level("L\xC4MPE", "l\xE4mpe"));
    EXPECT_TRUE(Level("\xC0\xDD", "\xE0\xFD"));
    EXPECT_TRUE(Level("\xD7", "\xF7")); // the capitals' range takes the multiplication sign too
    EXPECT_TRUE(Before("Lamp", "lampe"));
    EXPECT_TRUE(Before("", "a"));
    EXPECT_TRUE(Level(std::string(), ""));
    EXPECT_EQ(NaturalCompare(nullptr, ""), 0);
    EXPECT_LT(NaturalCompare(nullptr, "a"), 0);
}

TEST(NaturalCompareLetters, AccentsSortAsTheirBaseLetter) {
    EXPECT_TRUE(Level("L\xE4mpe", "Lampe"));
    EXPECT_TRUE(Level("Stra\xDF"
                      "e",
                      "STRASE"));
    EXPECT_TRUE(Before("L\xE4mpe", "Lb"));
    EXPECT_TRUE(Before("L\xFCmpe", "Lz"));

    struct Group {
        const char* bytes;
        char letter;
    };
    const Group groups[] = {
        {"\x83\x84\x85\x86\xA0\xE0\xE1\xE2\xE3\xE4\xE5\xE6\x8E\x8F\xC0\xC5\xC6", 'a'},
        {"\xE7\xC7", 'c'},
        {"\xF0\xD0", 'd'},
        {"\x82\x88\x89\x8A\xE8\xE9\xEA\xEB\x90\xC9", 'e'},
        {"\x8B\x8C\x8D\xA1\xEC\xED\xEE\xEF\xCD", 'i'},
        {"\xA4\xF1\xA5\xD1", 'n'},
        {"\x94\x95\xA2\xF2\xF3\xF4\xF5\xF6\xD6", 'o'},
        {"\xDF", 's'},
        {"\x81\x96\x97\xA3\xF9\xFA\xFB\xFC\x99\xDC", 'u'},
        {"\xFD\xFF\xDD", 'y'},
    };
    for (const Group& group : groups) {
        for (const char* c = group.bytes; *c != '\0'; ++c) {
            const std::string accented = std::string("x") + *c + "z";
            EXPECT_TRUE(Level(accented, std::string("x") + group.letter + "z"));
            EXPECT_TRUE(
                Level(accented, std::string("X") + static_cast<char>(group.letter - 32) + "Z"));
        }
    }
}

TEST(NaturalCompareLetters, UnlistedHighBytesSortAsThemselves) {
    EXPECT_TRUE(Level("\xFE", "\xDE"));
    EXPECT_TRUE(Before("z", "\x87")); // not c, although it looks like one in other code pages
    EXPECT_TRUE(Before("z", "\x80"));
    EXPECT_TRUE(Before("\x80", "\x87"));
}

TEST(NaturalCompareNumbers, CompareByValue) {
    EXPECT_TRUE(Before("Lampe 9W", "Lampe 10W"));
    EXPECT_TRUE(Before("Lampe 2", "lampe 10"));
    EXPECT_TRUE(Before("a99b", "a100a"));
    EXPECT_TRUE(Before("a1", "ab")); // a digit against a letter is compared as a byte
    EXPECT_EQ(NaturalCompare("2", "10"), -1);
    EXPECT_EQ(NaturalCompare("300", "20"), 1);
}

TEST(NaturalCompareNumbers, PrefixesSelectTheBase) {
    EXPECT_TRUE(Before("0x1E", "31"));
    EXPECT_TRUE(Before("30", "0x1f"));
    EXPECT_TRUE(Before("0b101", "6"));
    EXPECT_TRUE(Before("4", "0B101"));
    EXPECT_TRUE(Before("14", "0o17"));
    EXPECT_TRUE(Before("0O17", "16"));
    EXPECT_TRUE(Before("11", "0d12"));
    EXPECT_TRUE(Before("0D12", "13"));
    EXPECT_TRUE(Before("0b12", "2")); // 2 is no binary digit: the number is 0b1
    EXPECT_TRUE(Level("0X1f", "0x1F"));
}

TEST(NaturalCompareNumbers, EqualValuesOfDifferentLengthLetTheRestDecide) {
    EXPECT_TRUE(Before("Lampe 007", "Lampe 7"));
    EXPECT_TRUE(Before("0x10", "16"));
    EXPECT_TRUE(Before("0x10 z", "16 a"));
    EXPECT_TRUE(Before("Lampe 0b1", "Lampe 1"));
    EXPECT_TRUE(Before("0", "00"));
    // A bare 0x has the value 0 and the length 2.
    EXPECT_TRUE(Before("a0", "a0x"));
    EXPECT_TRUE(Before("a0x", "a0xg"));
    EXPECT_TRUE(Before("a00", "a0x"));
}

TEST(NaturalCompareNumbers, EqualNumbersOfEqualLengthMoveOnToWhatFollows) {
    EXPECT_TRUE(Before("LED 10W a", "led 10w b"));
    EXPECT_TRUE(Level("LED 0XAB", "led 0xab"));
    EXPECT_TRUE(Level("v1.2.3", "V1.2.3"));
    EXPECT_TRUE(Before("v1.2.3", "v1.10.0"));
}

TEST(NaturalCompareNumbers, ValuesWrapAroundAsUnsigned32Bits) {
    EXPECT_TRUE(Before("4294967297", "2")); // wraps to 1
    EXPECT_TRUE(Before("1", "4294967295")); // the largest value, not -1
    EXPECT_TRUE(Before("0xFFFFFFFE", "0xFFFFFFFF"));
}

TEST(NaturalCompareNumbers, NumbersAtTheEndOfTheTextStopAtItsNul) {
    EXPECT_TRUE(Before("a0", "a0b"));
    EXPECT_TRUE(Before("a0b", "a0o"));
    EXPECT_TRUE(Before("a0x", "a0x1"));
    EXPECT_TRUE(Before("a0d", "a0d9"));
    EXPECT_TRUE(Level("a12", "A12"));
}

TEST(NaturalComparePunctuation, SeparatorsSortBeforeBlanksDigitsAndLetters) {
    EXPECT_TRUE(Before("LED 5W;", "LED;"));
    EXPECT_TRUE(Before("a.b", "a b"));
    EXPECT_TRUE(Before("a.", "a0"));
    EXPECT_TRUE(Before("a.", "aa"));
    EXPECT_TRUE(Before("a/", "a."));
    EXPECT_TRUE(Before("a\\", "a."));
    EXPECT_TRUE(Level("a_b", "a b"));
    EXPECT_TRUE(Level("a/b", "a\\b"));
    EXPECT_TRUE(Before("a", "a/")); // the end of a text comes first of all
}

TEST(NaturalTextOrderTest, SortsDatabaseRecordsAsWholeLines) {
    TextList lines;
    lines.Insert("LED 10W;*;806;;36;;;;;10\r\n", -1);
    lines.Insert("Halogen 35W ;;600;;;;;;;35;*;;;;;;;2000;3,50\r\n", -1);
    lines.Insert("LED 5W;;400;;120;;;;;5\r\n", -1);
    lines.Insert("LED;;400\r\n", -1);
    lines.Insert(" LED 1W;;100\r\n", -1);
    lines.Sort(0, -1, NaturalTextOrder);

    std::vector<std::string> order;
    for (int i = 0; i < lines.Count(); ++i) {
        order.emplace_back(lines.Text(i), std::strcspn(lines.Text(i), ";"));
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{" LED 1W", "Halogen 35W ", "LED 5W", "LED 10W", "LED"}));
}

namespace {

int Sign(int order) {
    return (order > 0) - (order < 0);
}

testing::AssertionResult SameSign(const std::string& a, const std::string& b) {
    const int reference = NaturalCompare(a.c_str(), b.c_str());
    const int fast = FastNaturalCompare(a.c_str(), a.size(), b.c_str(), b.size());
    if (Sign(reference) == Sign(fast)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << '"' << a << "\" vs \"" << b << "\": NaturalCompare "
                                       << reference << ", FastNaturalCompare " << fast;
}

// Texts that differ just where the walk reads numbers, folds case or maps bytes: inside,
// before and after numbers and their base prefixes, and across the end of a text.
const char* const kAdversarialTexts[] = {
    "",           "0",          "00",          "007",         "7",          "07",
    "70",         "19",         "100",         "12a",         "123",        "12A",
    "0x",         "0X",         "0x1f",        "0X1F",        "0x1g",       "0x1F2a",
    "0x1F2b",     "0b101",      "0b12",        "0o78",        "0d99",       "0Da",
    "4294967296", "4294967297", "0",           "99999999999", "1x",         "Lampe 007",
    "Lampe 7",    "lampe 10",   "Lampe 9W",    "LED 5W;",     "LED;",       "LED 10W;*;806",
    "L\xC4MPE",   "l\xE4mpe",   "Lampe",       "a_b",         "a b",        "a/b",
    "a\\b",       "a.b",        "a\x96",       "au",          "a\x87",      "\xFE",
    "\xDE",       "ab1c",       "AB1C",        "ab01c",       "x9_",        "x9 ",
    "9.5",        "9,5",        "0x10",        "16",          "a0b",        "a0B",
    "a00b",       "1234567",    "1234568",     "12345678",    "99999999",   "0999999",
    "123456789",  "123456790",  "4293000000;", "4294967296;", "x123456789", "1234567890",
    "12W",        "123W",       "12;",         "120;",        "012W",       "0123W",
    "x12W",       "x123W",      "12345678W",   "123456789W",  "1W",         "10W",
    "0W",         "0xW",        "0b1W",        "0DW",         "0o7",        "x0W",
};

// A random text over bytes that matter to the order; then a second text made from it by a few
// edits, so that the two share most of their bytes, as neighbours in a sorted list do.
std::string RandomText(std::mt19937& random) {
    static const char kBytes[] =
        "0123456789000xXbBoOdDaAfFgGzZ _./\\;-\xC4\xE4\xDF\xFE\xDE\x96\x87";
    std::string text(random() % 12, ' ');
    for (char& c : text) {
        c = kBytes[random() % (sizeof kBytes - 1)];
    }
    return text;
}

std::string Edited(std::string text, std::mt19937& random) {
    for (int edits = 1 + static_cast<int>(random() % 3); edits > 0; --edits) {
        const std::size_t at = text.empty() ? 0 : random() % (text.size() + 1);
        switch (random() % 4) {
        case 0:
            text.insert(at, RandomText(random).substr(0, 1 + random() % 3));
            break;
        case 1:
            text.erase(at, 1 + random() % 2);
            break;
        case 2:
            if (at < text.size()) {
                text[at] =
                    static_cast<char>(std::isupper(static_cast<unsigned char>(text[at]))
                                          ? std::tolower(static_cast<unsigned char>(text[at]))
                                          : std::toupper(static_cast<unsigned char>(text[at])));
            }
            break;
        default:
            if (at < text.size()) {
                text[at] = RandomText(random).append("5")[0];
            }
            break;
        }
    }
    return text;
}

} // namespace

TEST(FastNaturalCompareTest, HasTheSignOfNaturalCompareForEveryPair) {
    for (const char* a : kAdversarialTexts) {
        for (const char* b : kAdversarialTexts) {
            EXPECT_TRUE(SameSign(a, b));
            EXPECT_TRUE(SameSign(std::string("Lampe ") + a + " 1", std::string("Lampe ") + b));
            // Long enough that the word-wise shortcuts read past the difference.
            EXPECT_TRUE(SameSign(std::string("LED ") + a + ";;;;;;;;;",
                                 std::string("LED ") + b + ";;;;;;;;;"));
        }
    }
    std::mt19937 random(20261207);
    for (int n = 0; n < 200000; ++n) {
        const std::string shared = RandomText(random);
        const std::string a = shared + RandomText(random);
        const std::string b = random() % 2 ? Edited(a, random) : shared + RandomText(random);
        ASSERT_TRUE(SameSign(a, b));
    }
}

// The database's sort has the natural order built in; it must leave every element, level ones
// included, where the sort with the comparator does, in either direction and on part ranges.
TEST(NaturalTextOrderTest, SortNaturallyMatchesSortWithTheComparatorElementForElement) {
    std::mt19937 random(20261207);
    const struct {
        int first;
        int end;
        bool descending;
    } kRanges[] = {{0, -1, false}, {0, -1, true}, {3, 1500, false}, {-2, 40, true}};
    for (const auto& range : kRanges) {
        TextList byComparator;
        TextList naturally;
        for (int n = 0; n < 3000; ++n) {
            // Few distinct keys in mixed case and spellings, so many elements compare level.
            const std::string text = RandomText(random).substr(0, 3) + (n % 2 ? "LED " : "led ") +
                                     std::to_string(random() % 40) + RandomText(random);
            byComparator.Insert(text.c_str(), -1);
            naturally.Insert(text.c_str(), -1);
        }
        byComparator.Sort(range.first, range.end, NaturalTextOrder, range.descending);
        naturally.SortNaturally(range.first, range.end, range.descending);
        for (int i = 0; i < naturally.Count(); ++i) {
            ASSERT_STREQ(naturally.Text(i), byComparator.Text(i)) << i;
        }
    }
}
