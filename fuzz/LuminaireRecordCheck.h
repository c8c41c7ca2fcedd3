#ifndef LUMETRIX_FUZZ_LUMINAIRERECORDCHECK_H
#define LUMETRIX_FUZZ_LUMINAIRERECORDCHECK_H

#include "photometry/LuminaireRecord.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

// A lamp file that was read must make one record line of 23 fields, without NUL bytes.
inline void CheckLuminaireRecord(const std::optional<LuminaireData>& luminaire,
                                 const char* fileName) {
    if (!luminaire) {
        return;
    }
    const std::string record = LuminaireRecord(*luminaire, fileName);
    if (std::count(record.begin(), record.end(), ';') != 22 ||
        record.find('\n') != record.size() - 1 || record.find('\0') != std::string::npos) {
        std::abort();
    }
}

#endif
