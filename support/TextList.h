#ifndef LUMETRIX_SUPPORT_TEXTLIST_H
#define LUMETRIX_SUPPORT_TEXTLIST_H

#include <cstdint>
#include <cstring>

class TextList;

// Orders elements i and j of a list: negative when i belongs before j, zero when they are
// level, positive when i belongs after j. The context is passed through from Sort.
using TextListComparator = int (*)(const TextList& list, int i, int j, void* context);

// A growable list of owned, NUL-terminated byte strings. Each element is one heap block:
// a 32-bit text length, a caller header of a fixed size, the text, and a NUL. Positions out
// of range are clamped; -1 is the result when nothing was done.
class TextList {
public:
    explicit TextList(std::uint32_t headerSize = 0) : m_headerSize(headerSize) {}
    ~TextList();
    TextList(const TextList&) = delete;
    TextList& operator=(const TextList&) = delete;

    int Count() const { return m_count; }
    int Capacity() const { return m_capacity; }

    // Element accessors; an index outside 0..Count()-1 has no element and gives
    // nullptr (Text, Header) or -1 (Length).
    // Defined here, as the comparators of a sort call them all the time.
    const char* Text(int i) const {
        if (i < 0 || i >= m_count) {
            return nullptr;
        }
        return reinterpret_cast<const char*>(m_elements[i] + m_headerSize);
    }
    int Length(int i) const {
        if (i < 0 || i >= m_count) {
            return -1;
        }
        std::int32_t length;
        std::memcpy(&length, m_elements[i] - sizeof length, sizeof length);
        return length;
    }
    const void* Header(int i) const;

    // Inserts a copy of a text (null: empty) at a position; a position past the count, and
    // every negative one, means the end. The header is copied from the header source, or
    // zero-filled when that is null. Returns the position used, or -1 when the element
    // cannot be stored (too long, list full, out of memory); the list is then unchanged.
    int Insert(const char* text, int position, const void* header = nullptr);
    // As Insert, but copies exactly length bytes, which may include NUL bytes.
    int InsertCounted(const char* text, int length, int position, const void* header = nullptr);
    // Cuts a text at each separator byte and inserts the pieces as consecutive elements.
    // A single trailing separator gives no empty last piece. Returns the first position
    // used, or -1 (list unchanged) for a null or empty text, a NUL separator or a failed
    // insertion.
    int Split(char separator, const char* text, int position, const void* header = nullptr);

    // Sorts the elements first..end-1 in place (an end past the count, or negative, means
    // the count). A quicksort with the middle element as pivot, not stable; a range whose
    // order keeps making that pivot an extreme goes on with a median of three (its small parts
    // sorted by insertion), and one that would still take quadratic time is finished with a
    // heap sort. Moves only element pointers and allocates nothing.
    void Sort(int first, int end, TextListComparator compare, bool descending = false,
              void* context = nullptr);
    // Sorts exactly as Sort with NaturalTextOrder does, tie for tie, but with the natural
    // order's comparison built into the sort's loops instead of called through a pointer.
    void SortNaturally(int first, int end, bool descending = false);

private:
    // Frees every element and the array; the list is empty with capacity 0.
    void Clear();

    struct SortOrder;
    struct NaturalOrder;
    enum class Pivot { Middle, MedianOfThree };
    struct Range {
        int lo;
        int hi;
        Pivot pivot = Pivot::Middle;
        int unevenSplits = 0; // how many splits in a row above this range were uneven
        int Size() const { return hi - lo + 1; }
    };

    int ClampPosition(int position) const;
    bool Grow();
    void Remove(int position);
    void Swap(int i, int j);
    // The clamped range of a Sort call; empty (lo >= hi) when there is nothing to sort.
    Range ClampedRange(int first, int end) const;
    // The sort itself, for either order.
    template <typename Order> void SortRange(Range range, const Order& order);
    // The element of the range to partition it around.
    template <typename Order> int PivotOf(Range range, const Order& order) const;
    // Whichever of the elements a, b and c lies between the other two.
    template <typename Order> int Median(int a, int b, int c, const Order& order) const;
    // Partitions the range around its pivot; gives the two parts still to sort.
    template <typename Order>
    void Partition(Range range, const Order& order, Range& left, Range& right);
    // Asks the cache for the element that a partitioning scan compares a few steps on.
    void Prefetch(int i) const;
    // Sorts a small range by moving each element down past the larger ones before it.
    template <typename Order> void InsertionSort(Range range, const Order& order);
    // The fallback for ranges left when the quicksort has used up its budget of work.
    template <typename Order> void HeapSort(Range range, const Order& order);
    // Lets the element at base + root sink into the max-heap at base..base + heapSize - 1.
    template <typename Order> void SiftDown(int base, int root, int heapSize, const Order& order);

    std::int32_t m_count = 0;
    std::int32_t m_capacity = 0;
    std::uint32_t m_headerSize;
    // Each pointer points at an element's header; its length sits in the 4 bytes before.
    unsigned char** m_elements = nullptr;
};

#endif
