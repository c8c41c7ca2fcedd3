#include "fuzz/FuzzInput.h"
#include "io/DataFileText.h"
#include "io/DataFileValue.h"

#include <cmath>
#include <cstdlib>

// Any bytes as a data file: reading never fails, and every number it finds can be written
// again in the file's format.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = OpenFuzzInput(data, size);
    if (file == nullptr) {
        return 0;
    }
    DataFileContents contents;
    ReadDataFile(file, contents);
    std::fclose(file);
    for (int q = 0; q < kQuantityCount; ++q) {
        if (contents.present[q] && FormatDataFileValue(contents.value[q]).size() < 18) {
            std::abort();
        }
    }
    return 0;
}
