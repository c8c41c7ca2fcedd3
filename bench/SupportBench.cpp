#include "support/NaturalCompare.h"
#include "support/TextList.h"
#include "tests/QuicksortAdversary.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

template <int (*compare)(const char*, const char*)> void CompareLampNames(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto& pair : LampNamePairs) {
            benchmark::DoNotOptimize(compare(pair.first, pair.second));
        }
    }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::size(LampNamePairs)));
}
BENCHMARK_TEMPLATE(CompareLampNames, NaturalCompare);
int FastNaturalCompareTexts(const char* a, const char* b) {
    return FastNaturalCompare(a, std::strlen(a), b, std::strlen(b));
}
BENCHMARK_TEMPLATE(CompareLampNames, FastNaturalCompareTexts);

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
                      static_cast<unsigned>(10 + random() % 170), watts,
                      1000 * static_cast<unsigned>(1 + random() % 25),
                      static_cast<unsigned>(random() % 20), static_cast<unsigned>(random() % 100));
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
        list->SortNaturally(0, -1);
        benchmark::DoNotOptimize(list->Text(0));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}

// The anchors: the C library's qsort over pointers to the same lines, with its plain byte
// order and with the GNU version order, the nearest thing it has to a natural order.
template <int (*compare)(const char*, const char*)>
int ComparePointed(const void* a, const void* b) {
    return compare(*static_cast<const char* const*>(a), *static_cast<const char* const*>(b));
}

template <int (*compare)(const char*, const char*)>
void QsortLines(benchmark::State& state, const std::vector<std::string>& lines) {
    std::vector<const char*> pointers;
    for (auto _ : state) {
        state.PauseTiming();
        pointers.clear();
        for (const std::string& line : lines) {
            pointers.push_back(line.c_str());
        }
        state.ResumeTiming();
        std::qsort(pointers.data(), pointers.size(), sizeof pointers[0], ComparePointed<compare>);
        benchmark::DoNotOptimize(pointers[0]);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}

// Record lines in an order crafted to make every pivot of the quicksort the smallest line.
std::vector<std::string> CraftedRecordLines(int count) {
    std::vector<std::string> lines;
    char line[160];
    for (int rank : QuicksortAdversaryRanks(count)) {
        std::snprintf(line, sizeof line, "LED %dW;;400;;120;;;;;5;*;;;;;;;2000;1,50\r\n", rank);
        lines.emplace_back(line);
    }
    return lines;
}

void SortRecordLines(benchmark::State& state) {
    SortLines(state, RecordLines(static_cast<int>(state.range(0))));
}
void QsortStrcmpRecordLines(benchmark::State& state) {
    QsortLines<std::strcmp>(state, RecordLines(static_cast<int>(state.range(0))));
}
void QsortStrverscmpRecordLines(benchmark::State& state) {
    QsortLines<strverscmp>(state, RecordLines(static_cast<int>(state.range(0))));
}
void SortCraftedRecordLines(benchmark::State& state) {
    SortLines(state, CraftedRecordLines(static_cast<int>(state.range(0))));
}
void QsortStrcmpCraftedRecordLines(benchmark::State& state) {
    QsortLines<std::strcmp>(state, CraftedRecordLines(static_cast<int>(state.range(0))));
}
void QsortStrverscmpCraftedRecordLines(benchmark::State& state) {
    QsortLines<strverscmp>(state, CraftedRecordLines(static_cast<int>(state.range(0))));
}
BENCHMARK(SortRecordLines)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(QsortStrcmpRecordLines)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(QsortStrverscmpRecordLines)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SortCraftedRecordLines)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(QsortStrcmpCraftedRecordLines)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(QsortStrverscmpCraftedRecordLines)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
