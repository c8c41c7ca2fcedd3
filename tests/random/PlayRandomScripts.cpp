// lumetrix_random_scripts FIRST COUNT: plays the random scripts FIRST to FIRST + COUNT - 1
// through the script driver, each on a fresh dialog as lumetrix-cli would, and prints each
// one's number and then what the driver printed:
//
//   == script N
//   ...
//
// lumetrix_random_scripts --script N prints script N itself, to run it with lumetrix-cli, and
// --script-with-files N script N of those that also use the database and data files.
//
// lumetrix_random_scripts --calculation FIRST COUNT plays them on the calculation alone
// (tests/random/CalculationPlay.h), with the same headers.
//
// lumetrix_random_scripts --digests prints the digests that the native tests compare with
// tests/random/calculation-digests.txt (tests/random/OutputDigests.h). Renewing the file:
//
//   build/native/tests/lumetrix_random_scripts --digests >tests/random/calculation-digests.txt
#include "cli/ScriptPlayer.h"
#include "tests/random/CalculationPlay.h"
#include "tests/random/OutputDigests.h"
#include "tests/random/RandomScript.h"

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--script") {
        std::cout << RandomScript(std::strtoull(argv[2], nullptr, 10));
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--script-with-files") {
        std::cout << RandomScriptWithFiles(std::strtoull(argv[2], nullptr, 10));
        return 0;
    }
    if (argc == 2 && std::string(argv[1]) == "--digests") {
        for (std::uint64_t number = 0; number < kDigestedScripts; ++number) {
            std::cout << DigestLine(number) << '\n';
        }
        return 0;
    }
    if (argc == 4 && std::string(argv[1]) == "--calculation") {
        const unsigned long long first = std::strtoull(argv[2], nullptr, 10);
        const unsigned long long count = std::strtoull(argv[3], nullptr, 10);
        for (unsigned long long number = first; number < first + count; ++number) {
            std::cout << "== script " << number << '\n' << PlayOnCalculation(RandomScript(number));
        }
        return 0;
    }
    if (argc != 3) {
        std::cerr << "usage: lumetrix_random_scripts FIRST COUNT | --calculation FIRST COUNT | "
                     "--script N | --script-with-files N | --digests\n";
        return 1;
    }
    const unsigned long long first = std::strtoull(argv[1], nullptr, 10);
    const unsigned long long count = std::strtoull(argv[2], nullptr, 10);
    for (unsigned long long number = first; number < first + count; ++number) {
        std::istringstream script(RandomScript(number));
        std::ostringstream out;
        std::ostringstream errors;
        const int status = PlayScript(script, out, errors);
        std::cout << "== script " << number << '\n' << out.str() << errors.str();
        if (status != kScriptCompleted) {
            std::cout << "status " << status << '\n';
        }
    }
    return 0;
}
