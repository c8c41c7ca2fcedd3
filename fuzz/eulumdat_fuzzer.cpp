#include "fuzz/LuminaireRecordCheck.h"
#include "photometry/EulumdatReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any bytes as a EULUMDAT file: read as the "Datenbank" button reads a lamp file and, when read,
// made into a record line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckLuminaireRecord(ReadEulumdat(std::string_view(reinterpret_cast<const char*>(data), size)),
                         "Fuzz.ldt");
    return 0;
}
