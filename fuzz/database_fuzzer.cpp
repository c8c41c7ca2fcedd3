#include "fuzz/FuzzInput.h"
#include "io/LightDatabase.h"
#include "support/TextList.h"

#include <cstdlib>

// Any bytes as LightDatabase.csv: read, sort, name and split every record as the
// "Datenbank" button does, and check that the sort leaves the records in order.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = OpenFuzzInput(data, size);
    if (file == nullptr) {
        return 0;
    }
    TextList records;
    ReadDatabaseRecords(file, records);
    std::fclose(file);
    records.SortNaturally(0, -1);
    for (int i = 0; i < records.Count(); ++i) {
        if (DatabaseRecordName(records.Text(i)).size() > 255) {
            std::abort();
        }
        ReadLampRecord(records.Text(i));
    }
    return 0;
}
