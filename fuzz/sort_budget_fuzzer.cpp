#include "support/NaturalTextOrder.h"
#include "support/TextList.h"
#include "tests/QuicksortAdversary.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A long list of lines from a short input, so that the sort's budget of work runs out and its
// heap sort finishes the job: the first two bytes give the number of lines, the third how they
// are made, and the rest is the text they are made of.
std::vector<std::string> LinesFrom(const std::uint8_t* data, std::size_t size) {
    const int count = 100 + ((data[0] << 8 | data[1]) % 156);
    const int mode = data[2] % 3;
    const std::string text(reinterpret_cast<const char*>(data + 3), size - 3);
    const std::vector<int> ranks = QuicksortAdversaryRanks(count);
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%08d", ranks[i]);
        // 0: every pivot the smallest of its range; 1: the input's text cut to few distinct
        // lengths, so copies abound; 2: both, the number after the text.
        const std::string cut = text.substr(0, text.empty() ? 0 : ranks[i] % (text.size() + 1));
        lines.push_back(mode == 0 ? number : mode == 1 ? cut : cut + number);
    }
    return lines;
}

} // namespace

// Sorting a long list leaves it in order and holds the same lines, whichever way the quicksort
// ends.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    std::vector<std::string> lines = LinesFrom(data, size);
    TextList list;
    for (const std::string& line : lines) {
        list.InsertCounted(line.data(), static_cast<int>(line.size()), -1);
    }
    list.Sort(0, -1, NaturalTextOrder);
    std::vector<std::string> sorted;
    for (int i = 0; i < list.Count(); ++i) {
        if (i > 0 && NaturalTextOrder(list, i - 1, i, nullptr) > 0) {
            std::abort();
        }
        sorted.emplace_back(list.Text(i), static_cast<std::size_t>(list.Length(i)));
    }
    std::sort(lines.begin(), lines.end());
    std::sort(sorted.begin(), sorted.end());
    if (sorted != lines) {
        std::abort();
    }
    return 0;
}
