#include "support/CommandLine.h"

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string FirstCommandLineArgument(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && IsSeparator(line[i])) {
        ++i;
    }
    std::string argument;
    bool quoted = false;
    while (i < line.size() && (quoted || !IsSeparator(line[i]))) {
        if (line[i] == '\\') {
            std::size_t backslashes = 0;
            for (; i < line.size() && line[i] == '\\'; ++i) {
                ++backslashes;
            }
            const bool beforeQuote = i < line.size() && line[i] == '"';
            argument.append(beforeQuote ? backslashes / 2 : backslashes, '\\');
            if (beforeQuote && backslashes % 2 == 1) {
                argument += line[i++];
            }
        } else if (line[i] == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                argument += line[++i];
            } else {
                quoted = !quoted;
            }
            ++i;
        } else {
            argument += line[i++];
        }
    }
    return argument;
}
