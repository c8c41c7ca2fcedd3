// lumetrix-cli [SCRIPT]: runs the main dialog headless with an event script (standard input
// without SCRIPT) as its user and prints what the dialog shows.
#include "cli/ScriptPlayer.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <new>

namespace {

constexpr int kCannotRun = 1;   // wrong usage, or the script cannot be opened
constexpr int kOutOfMemory = 3; // memory ran out where no dialog could say so, as at the start

int RunScript(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: lumetrix-cli [SCRIPT]\n";
        return kCannotRun;
    }
    if (argc == 1) {
        return PlayScript(std::cin, std::cout, std::cerr);
    }
    std::ifstream script(argv[1], std::ios::binary);
    if (!script) {
        std::cerr << "lumetrix-cli: cannot open script " << argv[1] << '\n';
        return kCannotRun;
    }
    return PlayScript(script, std::cout, std::cerr);
}

} // namespace

int main(int argc, char** argv) {
    // A write beyond the file size limit (ulimit -f) fails, as on a full disk, and the save
    // reports it, instead of the signal ending the run in the middle of a file.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return RunScript(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fputs("lumetrix-cli: out of memory\n", stderr); // needs no memory of its own
        return kOutOfMemory;
    }
}
