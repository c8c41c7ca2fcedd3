#ifndef LUMETRIX_CLI_SCRIPTREADER_H
#define LUMETRIX_CLI_SCRIPTREADER_H

#include <istream>
#include <optional>
#include <string>

// One command line of a driver script: the command is the text before the first space, the
// argument everything after that one space, taken as it is (still UTF-8).
struct ScriptLine {
    int number = 0; // 1 for the script's first line
    std::string command;
    std::optional<std::string> argument; // none when the line holds no space
};

// Reads the script line by line, only as far as it is asked to.
class ScriptReader {
public:
    explicit ScriptReader(std::istream& script) : m_script(script) {}

    // The next line that holds a command, skipping empty lines, lines of only spaces and tabs,
    // and comment lines (first character '#'). Nothing at the end of the script.
    std::optional<ScriptLine> Next();

private:
    std::istream& m_script;
    int m_lineNumber = 0;
};

#endif
