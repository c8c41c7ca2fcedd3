// lumetrix-cli [SCRIPT]: runs the main dialog headless with an event script (standard input
// without SCRIPT) as its user and prints what the dialog shows.
#include "cli/ScriptPlayer.h"

#include <fstream>
#include <iostream>

namespace {

constexpr int kCannotRun = 1; // wrong usage, or the script cannot be opened

} // namespace

int main(int argc, char** argv) {
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
