#include "support/DecimalConversion.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// The program's own reading of any text must give the library's pointer, error and bits.
void CompareReading(const char* first, const char* last) {
    double own = 777.0;
    double library = 777.0;
    const std::from_chars_result ownResult = OwnDoubleFromChars(first, last, own);
    const std::from_chars_result libraryResult = std::from_chars(first, last, library);
    if (ownResult.ptr != libraryResult.ptr || ownResult.ec != libraryResult.ec ||
        std::memcmp(&own, &library, sizeof own) != 0) {
        std::abort();
    }
}

// And its writing of any double in either format, at any precision up to 400, the library's
// text.
void CompareWriting(double value, std::chars_format format, int precision) {
    char own[800];
    char library[800];
    const std::to_chars_result ownResult =
        OwnDoubleToChars(own, own + sizeof own, value, format, precision);
    const std::to_chars_result libraryResult =
        std::to_chars(library, library + sizeof library, value, format, precision);
    if (ownResult.ec != libraryResult.ec || ownResult.ptr - own != libraryResult.ptr - library ||
        std::memcmp(own, library, static_cast<std::size_t>(ownResult.ptr - own)) != 0) {
        std::abort();
    }
    CompareReading(own, ownResult.ptr);
}

} // namespace

// The whole input as a text to read (in a buffer of exactly its size, so that the sanitizers
// catch a read past it); its first ten bytes also as a double, a format and a precision.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::unique_ptr<char[]> text(new char[size]);
    std::memcpy(text.get(), data, size);
    CompareReading(text.get(), text.get() + size);
    if (size >= 10) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        const std::chars_format format =
            data[8] % 2 == 0 ? std::chars_format::fixed : std::chars_format::scientific;
        CompareWriting(value, format, data[9] * 400 / 255);
    }
    return 0;
}
