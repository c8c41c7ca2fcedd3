#include "tests/random/OutputDigests.h"

#include "tests/random/CalculationPlay.h"
#include "tests/random/RandomScript.h"

#include <cstdio>

namespace {

std::uint64_t Fnv1a(const std::string& text) {
    std::uint64_t digest = 14695981039346656037ULL;
    for (const char c : text) {
        digest ^= static_cast<unsigned char>(c);
        digest *= 1099511628211ULL;
    }
    return digest;
}

} // namespace

std::string DigestLine(std::uint64_t number) {
    char line[64];
    std::snprintf(line, sizeof line, "%llu %016llx", static_cast<unsigned long long>(number),
                  static_cast<unsigned long long>(Fnv1a(PlayOnCalculation(RandomScript(number)))));
    return line;
}
