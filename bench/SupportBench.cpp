#include "support/NaturalCompare.h"
#include "support/NaturalTextOrder.h"
#include "support/TextList.h"
#include "tests/QuicksortAdversary.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// Pairs of lamp names as they meet while sorting a database: long common prefixes, numbers
// that decide, accents and case that do not.
const std::pair<const char*, const char*> LampNamePairs[] = {
    {"LED 5W;;400;;120;;;;;5\r\n", "LED 10W;*;806;;36;;;;;10\r\n"},
    {"Halogen 35W ;;600;;;;;;;35;*", "Halogen 35W ;;600;;;;;;;35;2000"},
    {"Leuchtstoffr\xF6hre T8 58W", "LEUCHTSTOFFROHRE T8 36W"},
    {"Gl\xFChlampe E27 60W klar", "Gl\xFChlampe E27 60W matt"},
    {"Lampe 007", "Lampe 7"},
};

void NaturalCompareLampNames(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto& pair : LampNamePairs) {
            benchmark::DoNotOptimize(NaturalCompare(pair.first, pair.second));
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(std::size(LampNamePairs)));
}
BENCHMARK(NaturalCompareLampNames);

// Database-like record lines: a few lamp families, varying wattages and values, duplicates.
std::vector<std::string> RecordLines(int count) {
    const char* const families[] = {"LED", "Halogen", "Leuchtstoffr\xF6hre T8", "Energiesparlampe",
                                    "Gl\xFChlampe E27"};
    std::mt19937 random(42);
    std::vector<std::string> lines;
    char line[160];
    for (int n = 0; n < count; ++n) {
        const unsigned watts = 1 + random() % 150;
        std::snprintf(line, sizeof line, "%s %uW;;%u;;%u;;;;;%u;*;;;;;;;%u;%u,%02u\r\n",
                      families[random() % std::size(families)], watts, watts * 80,
                      unsigned(10 + random() % 170), watts, 1000 * unsigned(1 + random() % 25),
                      unsigned(random() % 20), unsigned(random() % 100));
        lines.emplace_back(line);
    }
    return lines;
}

void SortLines(benchmark::State& state, const std::vector<std::string>& lines) {
    std::unique_ptr<TextList> list;
    for (auto _ : state) {
        // Only the sort is timed: filling the list, and freeing the previous one, are not.
        state.PauseTiming();
        list = std::make_unique<TextList>();
        for (const std::string& line : lines) {
            list->Insert(line.c_str(), -1);
        }
        state.ResumeTiming();
        list->Sort(0, -1, NaturalTextOrder);
        benchmark::DoNotOptimize(list->Text(0));
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(lines.size()));
}

void SortRecordLines(benchmark::State& state) {
    SortLines(state, RecordLines(int(state.range(0))));
}
BENCHMARK(SortRecordLines)->Arg(100000)->Unit(benchmark::kMillisecond);

// Record lines in an order crafted to make every pivot of the quicksort the smallest line.
void SortCraftedRecordLines(benchmark::State& state) {
    std::vector<std::string> lines;
    char line[160];
    for (int rank : QuicksortAdversaryRanks(int(state.range(0)))) {
        std::snprintf(line, sizeof line, "LED %dW;;400;;120;;;;;5;*;;;;;;;2000;1,50\r\n", rank);
        lines.emplace_back(line);
    }
    SortLines(state, lines);
}
BENCHMARK(SortCraftedRecordLines)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
