#include "support/NaturalCompare.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

int Sign(int order) {
    return (order > 0) - (order < 0);
}

// A copy in a buffer of exactly its size and a NUL, so that the sanitizers catch any read
// past it.
std::unique_ptr<char[]> ExactCopy(const std::uint8_t* bytes, std::size_t length) {
    std::unique_ptr<char[]> copy(new char[length + 1]);
    std::memcpy(copy.get(), bytes, length);
    copy[length] = '\0';
    return copy;
}

} // namespace

// Two texts, the bytes before and after the first line feed (either may hold NUL bytes, which
// end it early): the fast comparison must order them as NaturalCompare does, both ways round.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const void* lineFeed = std::memchr(data, '\n', size);
    const std::size_t aLength =
        lineFeed != nullptr
            ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(lineFeed) - data)
            : size;
    const std::size_t bLength = lineFeed != nullptr ? size - aLength - 1 : 0;
    const auto a = ExactCopy(data, aLength);
    const auto b = ExactCopy(data + size - bLength, bLength);
    if (Sign(FastNaturalCompare(a.get(), aLength, b.get(), bLength)) !=
            Sign(NaturalCompare(a.get(), b.get())) ||
        Sign(FastNaturalCompare(b.get(), bLength, a.get(), aLength)) !=
            Sign(NaturalCompare(b.get(), a.get()))) {
        std::abort();
    }
    return 0;
}
