#include "io/LightDatabase.h"

#include "framework/Files.h"
#include "support/Blanks.h"
#include "support/TextList.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kReadBufferSize = 4095;
constexpr std::size_t kMaximumNameLength = 255;

bool IsRecord(const char* line) {
    return line[0] != '\0' && line[0] != '\n' && line[0] != '\r' && line[0] != ';';
}

} // namespace

bool ReadDatabaseRecords(std::FILE* file, TextList& records) {
    const long size = SizeOfOpenFile(file);
    if (size < 0 || size > kMaximumDatabaseBytes) {
        return false;
    }
    char line[kReadBufferSize];
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (!IsRecord(line)) {
            continue;
        }
        if (records.Count() == kMaximumDatabaseRecords) {
            return false;
        }
        records.Insert(line, -1);
    }
    return true;
}

std::string DatabaseRecordName(const char* record) {
    const std::string_view name(record, std::min(std::strcspn(record, ";"), kMaximumNameLength));
    return std::string(TrimBlanks(name));
}

DatabaseField InterpretDatabaseField(const char* field) {
    while (IsBlank(*field)) {
        ++field;
    }
    if (*field == '\0') {
        return {DatabaseField::Action::Unchanged, field};
    }
    if (*field == '*') {
        return {DatabaseField::Action::Release, field};
    }
    return {DatabaseField::Action::Fix, field};
}
