#include "io/DataFileText.h"

#include "io/DataFileValue.h"
#include "support/Blanks.h"

#include <cstring>
#include <string_view>

namespace {

constexpr int kLineBufferSize = 256;
constexpr int kMaximumLines = 1000;

// The first occurrence of the quantity's trimmed name in the line, or null.
const char* FindName(const char* line, int q) {
    const std::string name(TrimBlanks(TitleName(q)));
    return std::strstr(line, name.c_str());
}

} // namespace

std::string FormatDataFile(const ValueStore& store) {
    std::string text;
    for (int q = 0; q < kQuantityCount; ++q) {
        text.append(TitleName(q))
            .append(" = ")
            .append(FormatDataFileValue(store.value[q]))
            .append(" ")
            .append(TitleUnit(q));
        if (store.given[q] != 0) {
            text.append("  *");
        }
        text.append("\n");
    }
    return text;
}

void RecogniseDataFileLine(const char* line, DataFileContents& contents) {
    for (int q = 0; q < kQuantityCount; ++q) {
        const char* name = FindName(line, q);
        if (name == nullptr) {
            continue;
        }
        const char* equals = std::strchr(name + TrimBlanks(TitleName(q)).size(), '=');
        if (equals == nullptr) {
            return;
        }
        ++contents.recognisedLines;
        contents.present[q] = true;
        contents.value[q] = ParseDataFileNumber(equals + 1);
        if (std::strchr(equals + 1, '*') != nullptr) {
            contents.marked[q] = true;
        }
        return;
    }
}

void ReadDataFile(std::FILE* file, DataFileContents& contents) {
    char line[kLineBufferSize];
    for (int handled = 0; handled < kMaximumLines && std::fgets(line, sizeof line, file);
         ++handled) {
        RecogniseDataFileLine(line, contents);
    }
}
