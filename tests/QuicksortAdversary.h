#ifndef LUMETRIX_TESTS_QUICKSORTADVERSARY_H
#define LUMETRIX_TESTS_QUICKSORTADVERSARY_H

#include <utility>
#include <vector>

// An input order that makes every pivot of the text list's quicksort the smallest element of
// its range, so that each round splits off only the pivot: position p of the input holds the
// element of rank ranks[p]. Built by following the sort: each round swaps the middle of the
// range to its front as the pivot, and the next round takes the rest in the order left behind.
inline std::vector<int> QuicksortAdversaryRanks(int count) {
    std::vector<int> positionInSlot(count);
    for (int p = 0; p < count; ++p) {
        positionInSlot[p] = p;
    }
    std::vector<int> ranks(count);
    for (int lo = 0, hi = count - 1; lo <= hi; ++lo) {
        const int mid = lo + (hi - lo) / 2;
        ranks[positionInSlot[mid]] = lo;
        std::swap(positionInSlot[mid], positionInSlot[lo]);
    }
    return ranks;
}

#endif
