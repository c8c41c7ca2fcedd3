#include "fuzz/FuzzInput.h"
#include "io/DataFileText.h"
#include "io/DataFileValue.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

DataFileContents Load(const std::uint8_t* data, std::size_t size) {
    DataFileContents contents;
    if (std::FILE* file = OpenFuzzInput(data, size)) {
        ReadDataFile(file, contents);
        std::fclose(file);
    }
    return contents;
}

DataFileContents Load(const std::string& text) {
    return Load(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

// What a save writes after the load: the values read, the marked quantities given.
std::string SaveLoaded(const DataFileContents& contents) {
    ValueStore store{};
    for (int q = 0; q < kQuantityCount; ++q) {
        store.value[q] = contents.present[q] ? contents.value[q] : 0.0;
        store.given[q] = contents.marked[q] ? 1 : 0;
    }
    return FormatDataFile(store);
}

// A value whose line the reader takes in one piece and whose digits the file shows in full.
bool RoundTrips(double value) {
    return std::isfinite(value) && FormatDataFileValue(value).size() < 200;
}

} // namespace

// Any bytes as a data file: reading never fails, and what was read, saved and loaded again
// agrees with the first load: every quantity present and, where its line fits the reader's
// pieces, marked as before and valued within the six decimals the file keeps; a second save
// then writes the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DataFileContents first = Load(data, size);
    const std::string saved = SaveLoaded(first);
    const DataFileContents second = Load(saved);
    bool allRoundTrip = true;
    for (int q = 0; q < kQuantityCount; ++q) {
        const double value = first.present[q] ? first.value[q] : 0.0;
        if (FormatDataFileValue(value).size() < 18 || !second.present[q]) {
            std::abort();
        }
        // A line longer than the reader's pieces loses its mark with its second piece.
        if (!RoundTrips(value)) {
            allRoundTrip = false;
            continue;
        }
        if (second.marked[q] != first.marked[q]) {
            std::abort();
        }
        if (std::fabs(second.value[q] - value) > 0.5000001e-6 + std::fabs(value) * 1e-15) {
            std::abort();
        }
    }
    if (second.recognisedLines != kQuantityCount || (allRoundTrip && SaveLoaded(second) != saved)) {
        std::abort();
    }
    return 0;
}
