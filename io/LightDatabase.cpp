#include "io/LightDatabase.h"

#include "framework/Files.h"
#include "support/Blanks.h"
#include "support/DecimalConversion.h"
#include "support/TextList.h"
#include "support/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>

namespace {

constexpr int kReadBufferSize = 4095;
constexpr int kSignificantDigits = 6;

bool IsShowable(unsigned char byte) {
    const bool control = byte < 0x20 || byte == 0x7F;
    const bool undefined =
        byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    return !control && !undefined;
}

// Numbers as DoubleToChars writes them, read back whatever the locale.
double ReadBack(std::string_view text) {
    double value = 0.0;
    DoubleFromChars(text.data(), text.data() + text.size(), value);
    return value;
}

// Field 0 holds the name.
constexpr int ValueFieldOf(int q) {
    return q + 1;
}

bool IsRecord(const char* line) {
    return line[0] != '\0' && line[0] != '\n' && line[0] != '\r' && line[0] != ';';
}

// The file's bytes, at most kMaximumDatabaseBytes; none when it holds more.
std::optional<std::string> DatabaseBytes(std::FILE* file) {
    std::string bytes;
    char block[kReadBufferSize];
    std::size_t read = 0;
    while ((read = std::fread(block, 1, sizeof block, file)) > 0) {
        bytes.append(block, read);
        if (bytes.size() > static_cast<std::size_t>(kMaximumDatabaseBytes)) {
            return std::nullopt;
        }
    }
    return bytes;
}

} // namespace

// Lines are taken in pieces of at most kReadBufferSize - 1 bytes, as fgets gives them, each
// ending at its first NUL byte.
bool ReadDatabaseRecords(std::FILE* file, TextList& records) {
    const long size = SizeOfOpenFile(file);
    const std::optional<std::string> bytes =
        size < 0 || size > kMaximumDatabaseBytes ? std::nullopt : DatabaseBytes(file);
    if (!bytes) {
        return false;
    }
    const std::string text = Windows1252FromTextFile(*bytes);
    const int first = records.Count();
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t lineEnd = std::min(text.find('\n', start), text.size() - 1) + 1;
        const std::size_t end = std::min(lineEnd, start + kReadBufferSize - 1);
        const std::string line = text.substr(start, end - start);
        start = end;
        if (!IsRecord(line.c_str())) {
            continue;
        }
        if (records.Count() - first == kMaximumDatabaseRecords) {
            return false;
        }
        records.Insert(line.c_str(), -1);
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

LampRecord ReadLampRecord(const char* record) {
    TextList fields;
    fields.Split(';', record, 0);
    LampRecord lamp;
    for (int q = 0; q < kQuantityCount && ValueFieldOf(q) < fields.Count(); ++q) {
        const DatabaseField field = InterpretDatabaseField(fields.Text(ValueFieldOf(q)));
        lamp[q].action = field.action;
        if (field.action == DatabaseField::Action::Fix) {
            lamp[q].text = field.text;
        }
    }
    return lamp;
}

std::string DatabaseRecordLine(std::string_view name, const RecordValues& values) {
    std::string record(name);
    for (const RecordValue& value : values) {
        record += ';';
        if (value.action == DatabaseField::Action::Release) {
            record += '*';
        } else if (value.action == DatabaseField::Action::Fix) {
            record += SixSignificantDigits(value.value);
        }
    }
    return record + "\r\n";
}

std::string SixSignificantDigits(double value) {
    // The scientific form rounds to six digits and tells the exponent; the fixed form with as
    // many decimals as the six digits reach writes the rounded value without exponent.
    char scientific[32];
    const auto rounded = DoubleToChars(scientific, scientific + sizeof scientific, value,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const char* e = std::find(scientific, rounded.ptr, 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), rounded.ptr, exponent);
    const int decimals = exponent >= kSignificantDigits - 1 ? 0 : kSignificantDigits - 1 - exponent;
    char fixed[400];
    const auto written =
        DoubleToChars(fixed, fixed + sizeof fixed,
                      ReadBack(std::string_view(scientific, rounded.ptr - scientific)),
                      std::chars_format::fixed, decimals);
    std::string text(fixed, written.ptr);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

std::string ShowableName(std::string_view text) {
    std::string name(TrimBlanks(text));
    for (char& c : name) {
        if (c == ';') {
            c = ',';
        } else if (!IsShowable(static_cast<unsigned char>(c))) {
            c = '?';
        }
    }
    if (name.size() > kMaximumNameLength) {
        name.resize(kMaximumNameLength);
    }
    return std::string(TrimBlanks(name));
}

std::string NameToldApart(std::string_view name, std::string_view distinction) {
    const std::size_t room = kMaximumNameLength - 3;
    const std::string shown = ShowableName(distinction).substr(0, room);
    name = TrimBlanks(name.substr(0, room - shown.size()));
    return std::string(name) + (name.empty() ? "(" : " (") + shown + ')';
}
