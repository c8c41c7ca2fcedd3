// The text list behind the lamp list: its growth, inserting and splitting texts, and what it
// refuses.
#include "support/TextList.h"
#include "tests/QuicksortAdversary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

Strings Texts(const TextList& list) {
    Strings texts;
    for (int i = 0; i < list.Count(); ++i) {
        texts.emplace_back(list.Text(i), static_cast<std::size_t>(list.Length(i)));
    }
    return texts;
}

void Append(TextList& list, const Strings& texts) {
    for (const std::string& text : texts) {
        const int end = list.Count();
        ASSERT_EQ(list.Insert(text.c_str(), -1, nullptr), end);
    }
}

// Byte order of the texts, as a plain reference order for the sorting tests.
int ByteOrder(const TextList& list, int i, int j, void* /*context*/) {
    return std::strcmp(list.Text(i), list.Text(j));
}

// Orders by the first byte only, so that texts with the same first byte are level.
int FirstByteOrder(const TextList& list, int i, int j, void* /*context*/) {
    return list.Text(i)[0] - list.Text(j)[0];
}

// Answers with the extreme int values, which must not overflow when negated.
int ExtremeOrder(const TextList& list, int i, int j, void* /*context*/) {
    const int order = std::strcmp(list.Text(i), list.Text(j));
    return order < 0 ? INT_MIN : (order > 0 ? INT_MAX : 0);
}

int CountingOrder(const TextList& list, int i, int j, void* context) {
    ++*static_cast<int*>(context);
    return ByteOrder(list, i, j, nullptr);
}

// Orders by the first six bytes only, the key; the rest tells level elements apart.
int KeyDifference(const std::string& a, const std::string& b) {
    return a.compare(0, 6, b, 0, 6);
}

int KeyOrder(const TextList& list, int i, int j, void* /*context*/) {
    return std::strncmp(list.Text(i), list.Text(j), 6);
}

// The sort's steps as they read, on plain strings with a stack that grows as needed; counts
// its comparisons.
void SortStepByStep(Strings& texts, int (*compare)(const std::string&, const std::string&),
                    std::int64_t& comparisons) {
    auto order = [&](int i, int j) {
        ++comparisons;
        return compare(texts[static_cast<std::size_t>(i)], texts[static_cast<std::size_t>(j)]);
    };
    auto swap = [&](int i, int j) {
        std::swap(texts[static_cast<std::size_t>(i)], texts[static_cast<std::size_t>(j)]);
    };
    std::vector<std::pair<int, int>> pending;
    int lo = 0;
    int hi = static_cast<int>(texts.size()) - 1;
    if (lo >= hi) {
        return;
    }
    for (;;) {
        swap((lo + hi) / 2, lo);
        int i = lo + 1;
        int j = hi + 1;
        for (;;) {
            while (i <= hi && order(i, lo) <= 0) {
                ++i;
            }
            --j;
            while (j > lo && order(j, lo) >= 0) {
                --j;
            }
            if (j < i) {
                break;
            }
            swap(i, j);
            ++i;
        }
        swap(lo, j);
        if (j - lo - 1 >= hi - i) {
            if (j - lo >= 2) {
                pending.emplace_back(lo, j - 1);
            }
            if (hi - i + 1 >= 2) {
                lo = i;
                continue;
            }
        } else {
            if (hi - i + 1 >= 2) {
                pending.emplace_back(i, hi);
            }
            if (j - lo >= 2) {
                hi = j - 1;
                continue;
            }
        }
        if (pending.empty()) {
            return;
        }
        std::tie(lo, hi) = pending.back();
        pending.pop_back();
    }
}

} // namespace

TEST(TextListGrowth, CapacityGrowsBeforeTheLastSlotIsTaken) {
    TextList list;
    EXPECT_EQ(list.Capacity(), 0);

    std::vector<int> capacities;
    for (int n = 1; n <= 250; ++n) {
        ASSERT_EQ(list.Insert("x", -1), n - 1);
        if (n == 16) {
            EXPECT_EQ(list.Capacity(), 17);
        }
        if (n == 17) {
            EXPECT_EQ(list.Capacity(), 43);
        }
        if (capacities.empty() || capacities.back() != list.Capacity()) {
            capacities.push_back(list.Capacity());
        }
        EXPECT_LT(list.Count(), list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{17, 43, 82, 140, 227, 358}));
}

TEST(TextListInsert, PositionsPastTheCountAppendAndOthersShiftTheRest) {
    TextList list;
    EXPECT_EQ(list.Insert("b", -1), 0);
    EXPECT_EQ(list.Insert("d", 5), 1);
    EXPECT_EQ(list.Insert("a", 0), 0);
    EXPECT_EQ(list.Insert("c", 2), 2);
    EXPECT_EQ(list.Insert("e", INT_MIN), 4);
    EXPECT_EQ(list.Insert("f", list.Count()), 5);
    EXPECT_EQ(Texts(list), (Strings{"a", "b", "c", "d", "e", "f"}));
}

TEST(TextListInsert, NullTextIsEmptyAndMissingIndexesHaveNoText) {
    TextList list;
    EXPECT_EQ(list.Insert(nullptr, -1), 0);
    EXPECT_EQ(list.InsertCounted(nullptr, 7, -1), 1);
    EXPECT_STREQ(list.Text(0), "");
    EXPECT_EQ(list.Length(1), 0);

    EXPECT_EQ(list.Text(2), nullptr);
    EXPECT_EQ(list.Text(-1), nullptr);
    EXPECT_EQ(list.Length(2), -1);
    EXPECT_EQ(list.Header(2), nullptr);
}

TEST(TextListInsert, CountedTextKeepsInnerNulBytesAndIsTerminated) {
    TextList list;
    const char bytes[] = {'a', '\0', 'b', 'c'};
    EXPECT_EQ(list.InsertCounted(bytes, 3, -1), 0);
    ASSERT_EQ(list.Length(0), 3);
    EXPECT_EQ(std::memcmp(list.Text(0), "a\0b", 4), 0);
    EXPECT_EQ(Texts(list), Strings{std::string("a\0b", 3)});
}

TEST(TextListInsert, HeaderIsCopiedOrZeroFilledInFrontOfTheText) {
    const std::uint32_t header = 0xA1B2C3D4u;
    TextList list(sizeof header);
    list.Insert("with", -1, &header);
    list.Insert("without", -1, nullptr);

    std::uint32_t stored;
    std::memcpy(&stored, list.Header(0), sizeof stored);
    EXPECT_EQ(stored, header);
    std::memcpy(&stored, list.Header(1), sizeof stored);
    EXPECT_EQ(stored, 0u);

    EXPECT_EQ(list.Text(0), static_cast<const char*>(list.Header(0)) + sizeof header);
    EXPECT_STREQ(list.Text(1), "without");
    EXPECT_EQ(list.Length(1), 7);
}

TEST(TextListInsert, RefusesLengthsThatDoNotFitTheBlockAndLeavesTheListAlone) {
    TextList list;
    Append(list, {"a"});
    const char text[] = "short";
    EXPECT_EQ(list.InsertCounted(text, -1, -1), -1);
    EXPECT_EQ(list.InsertCounted(text, INT_MAX, -1), -1);
    EXPECT_EQ(list.InsertCounted(text, INT_MAX - 4, 0), -1);
    EXPECT_EQ(Texts(list), Strings{"a"});

    TextList hugeHeaders(UINT32_MAX - 2);
    EXPECT_EQ(hugeHeaders.Insert("a", -1), -1);
    EXPECT_EQ(hugeHeaders.Split(';', "a;b", -1), -1);
    EXPECT_EQ(hugeHeaders.Count(), 0);
    EXPECT_EQ(hugeHeaders.Capacity(), 0);
}

TEST(TextListSplit, CutsAtEachSeparatorWithoutAnEmptyLastPiece) {
    const struct {
        const char* text;
        Strings pieces;
    } cases[] = {
        {"a;b", {"a", "b"}},
        {"a;;b", {"a", "", "b"}},
        {";a", {"", "a"}},
        {"a;", {"a"}},
        {";", {""}},
        {"a;;", {"a", ""}},
        {"Name;;1;", {"Name", "", "1"}},
        {"a", {"a"}},
        {"Halogen 35W ;;600\r\n", {"Halogen 35W ", "", "600\r\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TextList list;
        Append(list, {"before"});
        EXPECT_EQ(list.Split(';', c.text, -1), 1);

        Strings expected{"before"};
        expected.insert(expected.end(), c.pieces.begin(), c.pieces.end());
        EXPECT_EQ(Texts(list), expected);
    }
}

TEST(TextListSplit, InsertsConsecutivePiecesAtTheClampedPosition) {
    TextList list;
    Append(list, {"x", "y"});
    EXPECT_EQ(list.Split(',', "a,b", 1), 1);
    EXPECT_EQ(Texts(list), (Strings{"x", "a", "b", "y"}));
    EXPECT_EQ(list.Split(',', "c,d", -7), 4);
    EXPECT_EQ(Texts(list), (Strings{"x", "a", "b", "y", "c", "d"}));
}

TEST(TextListSplit, NothingToSplitChangesNothing) {
    TextList list;
    EXPECT_EQ(list.Split(';', "", -1), -1);
    EXPECT_EQ(list.Split(';', nullptr, -1), -1);
    EXPECT_EQ(list.Split('\0', "a;b", -1), -1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(TextListSplit, EveryPieceGetsTheHeader) {
    const char header[2] = {'h', 'd'};
    TextList list(sizeof header);
    list.Split(';', "a;b", -1, header);
    for (int i = 0; i < list.Count(); ++i) {
        EXPECT_EQ(std::memcmp(list.Header(i), header, sizeof header), 0);
    }
}

TEST(TextListSort, RangeIsClampedToTheList) {
    const Strings unsorted{"d", "c", "b", "a"};
    TextList list;
    Append(list, unsorted);

    list.Sort(list.Count(), -1, ByteOrder);
    list.Sort(2, 3, ByteOrder);
    list.Sort(1, 1, ByteOrder);
    list.Sort(3, 1, ByteOrder);
    EXPECT_EQ(Texts(list), unsorted);

    list.Sort(1, 3, ByteOrder);
    EXPECT_EQ(Texts(list), (Strings{"d", "b", "c", "a"}));
    list.Sort(-5, 2, ByteOrder);
    EXPECT_EQ(Texts(list), (Strings{"b", "d", "c", "a"}));
    list.Sort(2, 99, ByteOrder);
    EXPECT_EQ(Texts(list), (Strings{"b", "d", "a", "c"}));
    list.Sort(0, -1, ByteOrder);
    EXPECT_EQ(Texts(list), (Strings{"a", "b", "c", "d"}));
}

TEST(TextListSort, DescendingNegatesEvenTheExtremeResults) {
    TextList list;
    Append(list, {"b", "d", "a", "c", "b"});
    list.Sort(0, -1, ExtremeOrder, true);
    EXPECT_EQ(Texts(list), (Strings{"d", "c", "b", "b", "a"}));
    list.Sort(0, -1, ExtremeOrder, false);
    EXPECT_EQ(Texts(list), (Strings{"a", "b", "b", "c", "d"}));
}

TEST(TextListSort, PassesTheContextToTheComparator) {
    TextList list;
    Append(list, {"b", "a"});
    int calls = 0;
    list.Sort(0, -1, CountingOrder, false, &calls);
    EXPECT_GT(calls, 0);
    EXPECT_EQ(Texts(list), (Strings{"a", "b"}));
}

// Level elements end up where the partitioning leaves them; these orders were worked out
// by hand from the middle-element pivot.
TEST(TextListSort, LevelElementsFollowThePartitioning) {
    TextList level;
    Append(level, {"a1", "a2", "a3"});
    level.Sort(0, -1, FirstByteOrder);
    EXPECT_EQ(Texts(level), (Strings{"a2", "a1", "a3"}));
    Append(level, {"a4"});
    level.Sort(0, -1, FirstByteOrder);
    EXPECT_EQ(Texts(level), (Strings{"a1", "a2", "a3", "a4"}));

    TextList mixed;
    Append(mixed, {"b1", "a1", "b2", "a2", "c1"});
    mixed.Sort(0, -1, FirstByteOrder);
    EXPECT_EQ(Texts(mixed), (Strings{"a1", "a2", "b1", "b2", "c1"}));
}

TEST(TextListSort, OrdersRandomDataAndOnlyMovesTheElements) {
    std::mt19937 random(20240501);
    for (int size : {2, 3, 5, 17, 100, 1000, 5000}) {
        for (int alphabet : {1, 2, 26}) {
            TextList list;
            std::vector<const char*> before;
            for (int n = 0; n < size; ++n) {
                std::string text(1 + random() % 4, 'a');
                for (char& c : text) {
                    c = static_cast<char>('a' + random() % alphabet);
                }
                list.Insert(text.c_str(), -1);
                before.push_back(list.Text(n));
            }
            list.Sort(0, -1, ByteOrder);

            std::vector<const char*> after;
            for (int n = 0; n < size; ++n) {
                after.push_back(list.Text(n));
            }
            EXPECT_TRUE(
                std::is_sorted(after.begin(), after.end(),
                               [](const char* a, const char* b) { return std::strcmp(a, b) < 0; }))
                << size << " texts over " << alphabet << " letters";
            std::sort(before.begin(), before.end());
            std::sort(after.begin(), after.end());
            EXPECT_EQ(before, after);
        }
    }
}

TEST(TextListSort, PresortedAndReversedInputsStayWithinThePendingRanges) {
    TextList list;
    char text[16];
    for (int n = 0; n < 20000; ++n) {
        std::snprintf(text, sizeof text, "%06d", n);
        list.Insert(text, -1);
    }
    list.Sort(0, -1, ByteOrder, true);
    EXPECT_STREQ(list.Text(0), "019999");
    EXPECT_STREQ(list.Text(19999), "000000");
    list.Sort(0, -1, ByteOrder);
    for (int n = 0; n < list.Count(); ++n) {
        std::snprintf(text, sizeof text, "%06d", n);
        ASSERT_STREQ(list.Text(n), text);
    }
}

// Within its budget the sort is exactly the middle-pivot quicksort, so elements that compare
// level end up where its steps put them, for every order that is not crafted against it: here
// random, ascending and descending orders of keys that occur up to a few times.
TEST(TextListSort, OrdinaryOrdersKeepTheQuicksortsPlaceForLevelElements) {
    std::mt19937 random(20261207);
    for (int size : {2, 3, 5, 17, 100, 1000, 20000}) {
        for (int copies : {1, 2, 4, 8}) {
            for (int shape = 0; shape < 3; ++shape) {
                const int keys = std::max(1, size / copies);
                Strings texts;
                for (int n = 0; n < size; ++n) {
                    const int rank = n * keys / size;
                    const int key = shape == 0
                                        ? static_cast<int>(random() % static_cast<unsigned>(keys))
                                    : shape == 1 ? rank
                                                 : keys - 1 - rank;
                    char text[24];
                    std::snprintf(text, sizeof text, "%06d %d", key, n);
                    texts.emplace_back(text);
                }
                TextList list;
                Append(list, texts);
                list.Sort(0, -1, KeyOrder);
                std::int64_t comparisons = 0;
                SortStepByStep(texts, KeyDifference, comparisons);
                ASSERT_EQ(Texts(list), texts) << size << " texts of shape " << shape;
            }
        }
    }
}

TEST(TextListSort, OrderCraftedAgainstTheQuicksortIsSortedWithoutQuadraticWork) {
    auto craftedTexts = [](int count) {
        Strings texts;
        char text[16];
        for (int rank : QuicksortAdversaryRanks(count)) {
            std::snprintf(text, sizeof text, "%06d", rank);
            texts.emplace_back(text);
        }
        return texts;
    };
    Strings small = craftedTexts(2000);
    std::int64_t stepComparisons = 0;
    SortStepByStep(small, KeyDifference, stepComparisons);
    EXPECT_GT(stepComparisons, 2000 * 2000 / 2) << "the crafted order is quadratic for the steps";

    const int count = 100000;
    TextList list;
    Append(list, craftedTexts(count));
    int comparisons = 0;
    list.Sort(0, -1, CountingOrder, false, &comparisons);
    EXPECT_LT(comparisons, 10 * count * 17); // a small multiple of n log2 n, not n^2 / 2
    for (int n = 0; n < count; ++n) {
        char text[16];
        std::snprintf(text, sizeof text, "%06d", n);
        ASSERT_STREQ(list.Text(n), text);
    }
}

TEST(TextListSort, FewDistinctLinesAreSortedWithoutQuadraticWork) {
    const int count = 100000;
    for (int distinct : {2, 3, 16}) {
        TextList list;
        for (int n = 0; n < count; ++n) {
            const char text[2] = {static_cast<char>('a' + (n * 7 + n / 3) % distinct), '\0'};
            list.Insert(text, -1);
        }
        int comparisons = 0;
        list.Sort(0, -1, CountingOrder, false, &comparisons);
        EXPECT_LT(comparisons, 10 * count * 17) << distinct << " distinct lines";
        for (int n = 1; n < count; ++n) {
            ASSERT_LE(std::strcmp(list.Text(n - 1), list.Text(n)), 0) << distinct;
        }
    }
}
