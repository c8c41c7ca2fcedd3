// What the random scripts print on the calculation, held against the digests in the
// repository: any change of a value, a role or a field's text fails here until the digests are
// renewed, which a commit must explain.
#include "tests/WholeFiles.h"
#include "tests/random/OutputDigests.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

TEST(RandomScriptOutputs, MatchTheStoredDigests) {
    std::istringstream stored(ReadWholeFile(LUMETRIX_RANDOM_DIGESTS));
    std::uint64_t number = 0;
    for (std::string line; number < kDigestedScripts && std::getline(stored, line); ++number) {
        if (DigestLine(number) != line) {
            FAIL() << "random script " << number << " prints other lines than when "
                   << LUMETRIX_RANDOM_DIGESTS << " was made (its line: " << line
                   << ", now: " << DigestLine(number)
                   << "). See what it prints: lumetrix_random_scripts --calculation " << number
                   << " 1. If the change is meant, renew the file with "
                      "build/native/tests/lumetrix_random_scripts --digests "
                      ">tests/random/calculation-digests.txt and say in the commit why the "
                      "outputs changed.";
        }
    }
    EXPECT_EQ(number, kDigestedScripts) << LUMETRIX_RANDOM_DIGESTS << " holds too few lines";
}

} // namespace
