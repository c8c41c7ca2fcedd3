#ifndef LUMETRIX_FUZZ_LUMINAIRERECORDCHECK_H
#define LUMETRIX_FUZZ_LUMINAIRERECORDCHECK_H

#include "io/LuminaireRecord.h"

#include <algorithm>
#include <cstdlib>
#include <string>

// A lamp file that was read must make record lines of 24 fields each, without NUL bytes, one
// per lamp set; one that was not must say why.
inline void CheckLuminaireRecord(const LuminaireReading& reading, const char* fileName) {
    if (!reading.data) {
        if (reading.fault.reason.empty()) {
            std::abort();
        }
        return;
    }
    const std::vector<std::string> records = LuminaireRecords(*reading.data, fileName);
    if (records.empty() || records.size() != reading.data->lampSets.size()) {
        std::abort();
    }
    for (const std::string& record : records) {
        if (std::count(record.begin(), record.end(), ';') != 23 ||
            record.find('\n') != record.size() - 1 || record.find('\0') != std::string::npos) {
            std::abort();
        }
    }
}

#endif
