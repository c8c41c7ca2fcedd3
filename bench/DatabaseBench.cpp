#include "framework/Files.h"
#include "io/LightDatabase.h"
#include "support/TextList.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// A database of 100 000 generated lamps, written once to a temporary file.
const std::string& GeneratedDatabase() {
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / "lumetrix-bench-database.csv").string();
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::fputs(";Name;cd;lm;lux;Grad\r\n", out);
        const char* kinds[] = {"LED-Lampe E27", "LED-Spot GU10", "Halogen", "Leuchtstoffroehre T8"};
        for (int i = 0; i < 100000; ++i) {
            std::fprintf(out, "%s %dW Nr. %d;*;%d;;%d;;;;;%d;*;;;;;;;%d;%d,%02d\r\n", kinds[i % 4],
                         (i * 37) % 60 + 3, (i * 7919) % 100000, (i * 13) % 3000 + 100,
                         (i % 12) * 10 + 10, (i * 37) % 60 + 3, (i % 5) * 5000 + 2000, i % 20,
                         i % 100);
        }
        std::fclose(out);
        return file;
    }();
    return path;
}

// What the "Datenbank" button does before the choice dialog opens: read, sort, list the names.
void BM_ReadSortAndName(benchmark::State& state) {
    const std::string& path = GeneratedDatabase();
    for (auto _ : state) {
        std::FILE* file = OpenRegularFileForReading(path.c_str());
        TextList records;
        ReadDatabaseRecords(file, records);
        std::fclose(file);
        records.SortNaturally(0, -1);
        std::size_t nameBytes = 0;
        for (int i = 0; i < records.Count(); ++i) {
            nameBytes += DatabaseRecordName(records.Text(i)).size();
        }
        benchmark::DoNotOptimize(nameBytes);
    }
}
BENCHMARK(BM_ReadSortAndName)->Unit(benchmark::kMillisecond);

} // namespace
