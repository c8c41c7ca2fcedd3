#include "fuzz/LuminaireRecordCheck.h"
#include "photometry/IesReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any bytes as an IES file: read as the "Datenbank" button reads a lamp file and, when read,
// made into a record line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckLuminaireRecord(ReadIes(std::string_view(reinterpret_cast<const char*>(data), size)),
                         "Fuzz.ies");
    return 0;
}
