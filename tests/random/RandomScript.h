#ifndef LUMETRIX_TESTS_RANDOM_RANDOMSCRIPT_H
#define LUMETRIX_TESTS_RANDOM_RANDOMSCRIPT_H

#include <cstdint>
#include <string>

// Random scripts for the script driver, the same on every build: what a user does in the main
// dialog (typing values as people type them, ticking "Vorgabe" boxes, Tab) with `show` in
// between and at the end. The native and WebAssembly drivers and the Windows program play
// them and must show the same values to the last bit.
std::string RandomScript(std::uint64_t number);

// Random scripts that also use the files a user has: lamps from the database (`db`, `db-pick`,
// `db-cancel`), data files saved and loaded by the names a.lumx, b.lumx and c.lumx, answers to
// the questions they ask, and Enter. Played in a folder with a database and lamp files, by two
// builds of lumetrix-cli that must print the same and leave the same files (compare-builds).
std::string RandomScriptWithFiles(std::uint64_t number);

// A line of a random script: its command ("type", "click", "tab", "show"; a comment's "#"),
// the quantity it names and the text it types.
struct RandomScriptLine {
    std::string command;
    int q = 0;
    std::string text;
};
RandomScriptLine ReadRandomScriptLine(const std::string& line);

#endif
