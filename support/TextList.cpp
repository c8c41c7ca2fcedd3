#include "support/TextList.h"

#include "support/NaturalCompare.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Bytes in front of the header: the element's text length.
constexpr std::size_t kLengthBytes = sizeof(std::int32_t);

// Enough for any list: the larger part is always the one kept pending, so each pending
// range is less than half the one before it, and 30 halvings exhaust 2^31 elements.
constexpr int kPendingRanges = 30;

// How many elements the quicksort may partition in all, summed over its ranges, before it
// heap-sorts whatever is left: three times n log2 n, about twice what a random order needs
// (sorted and reversed ones need less). Orders that make the middle pivot an extreme again
// and again, such as one crafted against it, or many copies of only a few distinct lines,
// would otherwise take quadratic time.
std::int64_t PartitioningBudget(int size) {
    int log2Size = 0;
    while ((size >> log2Size) > 1) {
        ++log2Size;
    }
    return 3 * static_cast<std::int64_t>(size) * (log2Size + 1);
}

// A split is uneven when its smaller part holds less than a 1024th of the range; a random pivot
// does that one time in 512. Where the middle pivot has split this unevenly three times in a
// row (for a random order, about once in a hundred million such chains, and a sort of 100 000
// lines watches a few hundred), the order is taken for one crafted against it, or one of only
// a few distinct lines, and the range goes on with a median of three as pivot; where even that
// fails as often, it is heap-sorted. Ranges too small to tell are not watched.
constexpr int kUnevenSplitsInARow = 3;
constexpr int kLeastWatchedSize = 1024;

bool IsUneven(int size, int smallerPartSize) {
    return size >= kLeastWatchedSize && smallerPartSize < size / 1024;
}

// Ranges up to this size that no longer take their middle element as pivot are sorted by
// insertion: choosing a median there costs more comparisons than it saves.
constexpr int kMostInsertionSortedSize = 16;

// From this size on, a range that is no longer partitioned around its middle element takes
// the median of nine elements as pivot, else of three.
constexpr int kLeastNintherSize = 1024;

// The text length stored in front of an element.
std::size_t StoredLength(const unsigned char* element) {
    std::int32_t length;
    std::memcpy(&length, element - kLengthBytes, kLengthBytes);
    return static_cast<std::size_t>(length);
}

// How many elements ahead of a partitioning scan their blocks are asked into the cache: the
// blocks lie scattered over the heap, and a comparison takes less time than fetching one.
constexpr int kPrefetchDistance = 8;

// Negates by sign, so that a comparator returning INT_MIN cannot overflow.
int Oriented(int result, bool descending) {
    if (!descending) {
        return result;
    }
    return result < 0 ? 1 : (result > 0 ? -1 : 0);
}

} // namespace

struct TextList::SortOrder {
    TextListComparator compare;
    void* context;
    bool descending;

    int operator()(const TextList& list, int i, int j) const {
        return Oriented(compare(list, i, j, context), descending);
    }
};

// The order of NaturalTextOrder, read straight from the elements.
struct TextList::NaturalOrder {
    bool descending;

    int operator()(const TextList& list, int i, int j) const {
        const unsigned char* a = list.m_elements[i];
        const unsigned char* b = list.m_elements[j];
        return Oriented(FastNaturalCompare(
                            reinterpret_cast<const char*>(a + list.m_headerSize), StoredLength(a),
                            reinterpret_cast<const char*>(b + list.m_headerSize), StoredLength(b)),
                        descending);
    }
};

TextList::~TextList() {
    Clear();
}

const void* TextList::Header(int i) const {
    if (i < 0 || i >= m_count) {
        return nullptr;
    }
    return m_elements[i];
}

int TextList::Insert(const char* text, int position, const void* header) {
    const std::size_t length = text == nullptr ? 0 : std::strlen(text);
    if (length > INT32_MAX) {
        return -1;
    }
    return InsertCounted(text, static_cast<int>(length), position, header);
}

int TextList::InsertCounted(const char* text, int length, int position, const void* header) {
    if (text == nullptr) {
        length = 0;
    }
    // The block size must stay a valid 32-bit length, whatever the header size.
    if (length < 0 ||
        static_cast<std::uint64_t>(length) + m_headerSize + kLengthBytes + 1 > INT32_MAX) {
        return -1;
    }
    auto* block = static_cast<unsigned char*>(
        std::malloc(static_cast<std::size_t>(length) + m_headerSize + kLengthBytes + 1));
    if (block == nullptr) {
        return -1;
    }
    if (m_count + 1 >= m_capacity && !Grow()) {
        std::free(block);
        return -1;
    }

    const std::int32_t storedLength = length;
    std::memcpy(block, &storedLength, kLengthBytes);
    unsigned char* element = block + kLengthBytes;
    if (header != nullptr) {
        std::memcpy(element, header, m_headerSize);
    } else {
        std::memset(element, 0, m_headerSize);
    }
    unsigned char* elementText = element + m_headerSize;
    if (length > 0) {
        std::memcpy(elementText, text, static_cast<std::size_t>(length));
    }
    elementText[length] = '\0';

    position = ClampPosition(position);
    std::memmove(m_elements + position + 1, m_elements + position,
                 static_cast<std::size_t>(m_count - position) * sizeof *m_elements);
    m_elements[position] = element;
    ++m_count;
    return position;
}

int TextList::Split(char separator, const char* text, int position, const void* header) {
    if (text == nullptr || *text == '\0' || separator == '\0') {
        return -1;
    }
    const int first = ClampPosition(position);
    int next = first;
    const char* piece = text;
    for (;;) {
        const char* pieceEnd = piece;
        while (*pieceEnd != '\0' && *pieceEnd != separator) {
            ++pieceEnd;
        }
        const std::ptrdiff_t length = pieceEnd - piece;
        if (length > INT32_MAX ||
            InsertCounted(piece, static_cast<int>(length), next, header) < 0) {
            // Take back the pieces already inserted, so that a failure changes nothing.
            while (next > first) {
                Remove(--next);
            }
            return -1;
        }
        ++next;
        piece = *pieceEnd == separator ? pieceEnd + 1 : pieceEnd;
        if (*piece == '\0') {
            return first;
        }
    }
}

void TextList::Sort(int first, int end, TextListComparator compare, bool descending,
                    void* context) {
    SortRange(ClampedRange(first, end), SortOrder{compare, context, descending});
}

void TextList::SortNaturally(int first, int end, bool descending) {
    SortRange(ClampedRange(first, end), NaturalOrder{descending});
}

void TextList::Clear() {
    while (m_count > 0) {
        --m_count;
        std::free(m_elements[m_count] - kLengthBytes);
    }
    std::free(m_elements);
    m_elements = nullptr;
    m_capacity = 0;
}

int TextList::ClampPosition(int position) const {
    // Compared as unsigned, so every negative position also means the end.
    if (static_cast<std::uint32_t>(position) > static_cast<std::uint32_t>(m_count)) {
        return m_count;
    }
    return position;
}

bool TextList::Grow() {
    const std::int64_t newCapacity = (3 * static_cast<std::int64_t>(m_capacity) + 35) / 2;
    if (newCapacity > INT32_MAX ||
        static_cast<std::uint64_t>(newCapacity) > SIZE_MAX / sizeof *m_elements) {
        return false;
    }
    auto* newElements = static_cast<unsigned char**>(
        std::malloc(static_cast<std::size_t>(newCapacity) * sizeof *m_elements));
    if (newElements == nullptr) {
        return false;
    }
    if (m_count > 0) {
        std::memcpy(newElements, m_elements,
                    static_cast<std::size_t>(m_count) * sizeof *m_elements);
    }
    std::free(m_elements);
    m_elements = newElements;
    m_capacity = static_cast<std::int32_t>(newCapacity);
    return true;
}

void TextList::Remove(int position) {
    std::free(m_elements[position] - kLengthBytes);
    --m_count;
    std::memmove(m_elements + position, m_elements + position + 1,
                 static_cast<std::size_t>(m_count - position) * sizeof *m_elements);
}

void TextList::Swap(int i, int j) {
    unsigned char* element = m_elements[i];
    m_elements[i] = m_elements[j];
    m_elements[j] = element;
}

TextList::Range TextList::ClampedRange(int first, int end) const {
    if (first < 0) {
        first = 0;
    }
    if (first >= m_count) {
        return Range{0, 0};
    }
    if (static_cast<std::uint32_t>(end) > static_cast<std::uint32_t>(m_count)) {
        end = m_count;
    }
    return Range{first, end - 1};
}

template <typename Order> void TextList::SortRange(Range range, const Order& order) {
    if (range.lo >= range.hi) {
        return;
    }
    std::int64_t workLeft = PartitioningBudget(range.Size());
    Range pending[kPendingRanges];
    int pendingCount = 0;
    for (;;) {
        if (range.unevenSplits == kUnevenSplitsInARow && range.pivot == Pivot::Middle) {
            range.pivot = Pivot::MedianOfThree;
            range.unevenSplits = 0;
        }
        if (workLeft < 0 || range.unevenSplits == kUnevenSplitsInARow) {
            HeapSort(range, order);
        } else if (range.pivot != Pivot::Middle && range.Size() <= kMostInsertionSortedSize) {
            InsertionSort(range, order);
        } else {
            workLeft -= range.Size();
            Range left;
            Range right;
            Partition(range, order, left, right);
            // Keep the larger part pending and go on with the smaller one.
            const bool leftIsLarger = left.Size() >= right.Size();
            const Range larger = leftIsLarger ? left : right;
            const Range smaller = leftIsLarger ? right : left;
            if (larger.Size() >= 2) {
                pending[pendingCount++] = larger;
            }
            if (smaller.Size() >= 2) {
                range = smaller;
                continue;
            }
        }
        if (pendingCount == 0) {
            return;
        }
        range = pending[--pendingCount];
    }
}

template <typename Order> int TextList::PivotOf(Range range, const Order& order) const {
    if (range.pivot == Pivot::Middle) {
        return range.lo + (range.hi - range.lo) / 2;
    }
    // Places that follow from the range's bounds but from no regular pattern, so that an order
    // crafted against fixed places does not meet them. A large range takes the median of three
    // such medians: its parts come out more even, which saves more comparisons than it costs.
    std::uint32_t scatter =
        static_cast<std::uint32_t>(range.lo) * 2654435761u ^ static_cast<std::uint32_t>(range.hi);
    auto scatteredMedian = [&] {
        int places[3];
        for (int& place : places) {
            scatter = scatter * 1664525u + 1013904223u;
            place = range.lo +
                    static_cast<int>((scatter >> 8) % static_cast<std::uint32_t>(range.Size()));
        }
        return Median(places[0], places[1], places[2], order);
    };
    if (range.Size() < kLeastNintherSize) {
        return scatteredMedian();
    }
    const int a = scatteredMedian();
    const int b = scatteredMedian();
    return Median(a, b, scatteredMedian(), order);
}

template <typename Order> int TextList::Median(int a, int b, int c, const Order& order) const {
    const bool aBeforeB = order(*this, a, b) < 0;
    const bool bBeforeC = order(*this, b, c) < 0;
    if (aBeforeB == bBeforeC) {
        return b;
    }
    const bool aBeforeC = order(*this, a, c) < 0;
    return aBeforeC == aBeforeB ? c : a;
}

template <typename Order>
void TextList::Partition(Range range, const Order& order, Range& left, Range& right) {
    const int lo = range.lo;
    const int hi = range.hi;
    // The pivot waits at lo while the rest is partitioned.
    Swap(PivotOf(range, order), lo);
    int i = lo + 1;
    int j = hi + 1;
    for (;;) {
        while (i <= hi && order(*this, i, lo) <= 0) {
            ++i;
            if (i + kPrefetchDistance <= hi) {
                Prefetch(i + kPrefetchDistance);
            }
        }
        do {
            --j;
            if (j - kPrefetchDistance > lo) {
                Prefetch(j - kPrefetchDistance);
            }
        } while (j > lo && order(*this, j, lo) >= 0);
        if (j < i) {
            break;
        }
        Swap(i, j);
        ++i;
    }
    Swap(lo, j);
    // Elements j+1..i-1 are level with the pivot and already in place.
    left = Range{lo, j - 1, range.pivot};
    right = Range{i, hi, range.pivot};
    const bool uneven =
        IsUneven(range.Size(), left.Size() < right.Size() ? left.Size() : right.Size());
    left.unevenSplits = right.unevenSplits = uneven ? range.unevenSplits + 1 : 0;
}

void TextList::Prefetch(int i) const {
#if defined(__GNUC__)
    __builtin_prefetch(m_elements[i]);
#else
    (void)i;
#endif
}

template <typename Order> void TextList::InsertionSort(Range range, const Order& order) {
    for (int next = range.lo + 1; next <= range.hi; ++next) {
        for (int k = next; k > range.lo && order(*this, k - 1, k) > 0; --k) {
            Swap(k - 1, k);
        }
    }
}

template <typename Order> void TextList::HeapSort(Range range, const Order& order) {
    const int size = range.Size();
    for (int root = size / 2 - 1; root >= 0; --root) {
        SiftDown(range.lo, root, size, order);
    }
    for (int heapSize = size - 1; heapSize > 0; --heapSize) {
        Swap(range.lo, range.lo + heapSize);
        SiftDown(range.lo, 0, heapSize, order);
    }
}

template <typename Order>
void TextList::SiftDown(int base, int root, int heapSize, const Order& order) {
    for (;;) {
        int child = 2 * root + 1;
        if (child >= heapSize) {
            return;
        }
        if (child + 1 < heapSize && order(*this, base + child, base + child + 1) < 0) {
            ++child;
        }
        if (order(*this, base + root, base + child) >= 0) {
            return;
        }
        Swap(base + root, base + child);
        root = child;
    }
}
