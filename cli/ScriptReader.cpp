#include "cli/ScriptReader.h"

namespace {

bool HoldsNoCommand(const std::string& line) {
    return line.empty() || line[0] == '#' || line.find_first_not_of(" \t") == std::string::npos;
}

ScriptLine SplitAtFirstSpace(int number, const std::string& line) {
    ScriptLine split;
    split.number = number;
    const std::size_t space = line.find(' ');
    split.command = line.substr(0, space);
    if (space != std::string::npos) {
        split.argument = line.substr(space + 1);
    }
    return split;
}

} // namespace

std::optional<ScriptLine> ScriptReader::Next() {
    std::string line;
    while (std::getline(m_script, line)) {
        ++m_lineNumber;
        const bool endsWithLineFeed = !m_script.eof();
        if (endsWithLineFeed && !line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!HoldsNoCommand(line)) {
            return SplitAtFirstSpace(m_lineNumber, line);
        }
    }
    return std::nullopt;
}
