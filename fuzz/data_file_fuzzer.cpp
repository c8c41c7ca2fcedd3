#include "fuzz/FuzzInput.h"
#include "io/DataFileText.h"
#include "io/DataFileValue.h"

#include <algorithm>
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

// What a save writes after the load: the values read, the marked quantities given, the room and
// its lamp file.
std::string SaveLoaded(const DataFileContents& contents) {
    ValueStore store{};
    for (int q = 0; q < kQuantityCount; ++q) {
        store.value[q] = contents.present[q] ? contents.value[q] : 0.0;
        store.given[q] = contents.marked[q] ? 1 : 0;
    }
    return FormatDataFile(store, contents.room, contents.lampFileName);
}

bool Near(double second, double first) {
    return std::fabs(second - first) <= 0.5000001e-6 + std::fabs(first) * 1e-15;
}

// A loaded room is one the room dialog takes, its lamp file a name in a folder; both come back
// from a save as they were loaded, within the six decimals the file keeps.
bool RoomComesBack(const DataFileContents& first, const DataFileContents& second) {
    if (!first.room) {
        return !second.room;
    }
    const Room& a = *first.room;
    const Room& b = *second.room;
    const double Room::*inputs[] = {
        &Room::length,
        &Room::width,
        &Room::height,
        &Room::workPlaneHeight,
        &Room::suspension,
        &Room::ceilingReflectance,
        &Room::wallReflectance,
        &Room::floorReflectance,
        &Room::maintenanceFactor,
    };
    bool near = second.room.has_value();
    for (const double Room::*input : inputs) {
        near = near && std::isfinite(a.*input) && Near(b.*input, a.*input);
    }
    const bool fileName = first.lampFileName.find_first_of("/\\") == std::string::npos &&
                          std::none_of(first.lampFileName.begin(), first.lampFileName.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    return near && fileName && FindRoomProblem(a) == RoomProblem::None &&
           second.lampFileName == first.lampFileName;
}

// A value whose line the reader takes in one piece and whose digits the file shows in full.
bool RoundTrips(double value) {
    return std::isfinite(value) && FormatDataFileValue(value).size() < 200;
}

} // namespace

// Any bytes as a data file: reading never fails, no value read is NaN or infinite, and what was
// read, saved and loaded again agrees with the first load: every quantity present and, where its
// line fits the reader's pieces, marked as before and valued within the six decimals the file
// keeps, and the room and its lamp file as they were; a second save then writes the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DataFileContents first = Load(data, size);
    const std::string saved = SaveLoaded(first);
    const DataFileContents second = Load(saved);
    bool allRoundTrip = true;
    for (int q = 0; q < kQuantityCount; ++q) {
        const double value = first.present[q] ? first.value[q] : 0.0;
        if (!std::isfinite(value) || FormatDataFileValue(value).size() < 18 || !second.present[q]) {
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
        if (!Near(second.value[q], value)) {
            std::abort();
        }
    }
    if (second.recognisedLines != kQuantityCount || !RoomComesBack(first, second) ||
        (allRoundTrip && SaveLoaded(second) != saved)) {
        std::abort();
    }
    return 0;
}
