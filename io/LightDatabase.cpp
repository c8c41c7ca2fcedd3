#include "io/LightDatabase.h"

#include "support/TextList.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kReadBufferSize = 4095;
constexpr std::size_t kMaximumNameLength = 255;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsRecord(const char* line) {
    return line[0] != '\0' && line[0] != '\n' && line[0] != '\r' && line[0] != ';';
}

} // namespace

void ReadDatabaseRecords(std::FILE* file, TextList& records) {
    char line[kReadBufferSize];
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (IsRecord(line)) {
            records.Insert(line, -1);
        }
    }
}

std::string DatabaseRecordName(const char* record) {
    std::string name(record, std::min(std::strcspn(record, ";"), kMaximumNameLength));
    const std::size_t first = name.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return std::string();
    }
    return name.substr(first, name.find_last_not_of(" \t\r\n") + 1 - first);
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
