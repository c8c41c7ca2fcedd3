#ifndef LUMETRIX_TESTS_RANDOM_OUTPUTDIGESTS_H
#define LUMETRIX_TESTS_RANDOM_OUTPUTDIGESTS_H

#include <cstdint>
#include <string>

// The digests of what the random scripts print when played on the calculation alone
// (PlayOnCalculation), kept in the repository (tests/random/calculation-digests.txt) so that a
// change of any value in any build fails the tests until the digests are renewed on purpose.

// How many scripts the stored digests cover, from script 0.
constexpr std::uint64_t kDigestedScripts = 2000;

// A script's line in the file: its number and the 64-bit FNV-1a digest of its output in hex.
std::string DigestLine(std::uint64_t number);

#endif
