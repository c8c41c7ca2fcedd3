#ifndef LUMETRIX_TESTS_RANDOM_RANDOMSCRIPT_H
#define LUMETRIX_TESTS_RANDOM_RANDOMSCRIPT_H

#include <cstdint>
#include <string>

// Random scripts for the script driver, the same on every build: what a user does in the main
// dialog (typing values as people type them, ticking "Vorgabe" boxes, Tab) with `show` in
// between and at the end. The native and WebAssembly drivers and the Windows program play
// them and must show the same values to the last bit.
std::string RandomScript(std::uint64_t number);

#endif
