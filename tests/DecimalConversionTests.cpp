// The program's own decimal conversions, which the browser build uses in place of the
// standard library's: the tables hold them to what libstdc++ gives, and where the library has
// its own (natively) a few thousand generated numbers are held to it as well. Any text at all
// goes through fuzz/decimal_conversion_fuzzer.cpp.
#include "support/DecimalConversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

constexpr double kUntouched = 777.0;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::errc kFine = std::errc();
constexpr std::errc kInvalid = std::errc::invalid_argument;
constexpr std::errc kOutOfRange = std::errc::result_out_of_range;

std::uint64_t BitsOf(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

TEST(DecimalConversionTest, ReadsAsTheStandardLibrary) {
    // The digits of 2^-1075 · 10^324: exactly halfway between 0 and the smallest subnormal.
    const std::string half = "2.4703282292062327208828439643411068618252990130716238221279284125033"
                             "7753635104375932649918180817996189898282347722858865463328355177969"
                             "8981993873980053909390631503565951557022639229085839244910518443593"
                             "1802849936536152500319370457678249219365623669863658480757001585769"
                             "2699037063119282795585513329278343384093519780155312465972635795746"
                             "2276646527282722005637400648549997709659947045402082816622623785739"
                             "3450736339007967761930577506740176324673600968951340535537458516661"
                             "1342237666786041621596804619144672918403005300575308490487653917113"
                             "8659164623952491262365388187963623937328042389101867234849766823508"
                             "9863388587925628302755995657524455507255189313690836254779186948667"
                             "9949683240497058210285131854513962138377228261454376934125320985913"
                             "27667236328125";
    const struct {
        std::string text;
        std::ptrdiff_t used;
        std::errc error;
        double value;
    } cases[] = {
        {"0.1", 3, kFine, 0.1},
        {"-0", 2, kFine, -0.0},
        {"1e", 1, kFine, 1},
        {"1E+", 1, kFine, 1},
        {"1.e5", 4, kFine, 1e5},
        {".5x", 2, kFine, 0.5},
        {"0x1p3", 1, kFine, 0},
        {"0e99999999999", 13, kFine, 0},
        {"-", 0, kInvalid, kUntouched},
        {"-.", 0, kInvalid, kUntouched},
        {"+1", 0, kInvalid, kUntouched},
        {" 1", 0, kInvalid, kUntouched},
        {"e5", 0, kInvalid, kUntouched},
        {"", 0, kInvalid, kUntouched},
        {"nan(a_9)", 8, kFine, kNaN},
        {"NaN(a b)", 3, kFine, kNaN},
        {"-INFINITY", 9, kFine, -kInf},
        {"infinit", 3, kFine, kInf},
        {"1e400", 5, kOutOfRange, kUntouched},
        {"-1e-400", 7, kOutOfRange, kUntouched},
        {"1.7976931348623157e308", 22, kFine, 0x1.fffffffffffffp1023},
        {"1.7976931348623159e308", 22, kOutOfRange, kUntouched},
        {"2.2250738585072011e-308", 23, kFine, 0x0.fffffffffffffp-1022},
        {"9007199254740993", 16, kFine, 9007199254740992.0}, // halfway: to even
        {"9007199254740995", 16, kFine, 9007199254740996.0},
        {"123456789012345678901234567890e-10", 34, kFine, 12345678901234567890.0},
        {"0." + std::string(400, '0') + "1e401", 407, kFine, 1},
        {std::string(400, '9'), 400, kOutOfRange, kUntouched},
        {half + "e-324", static_cast<std::ptrdiff_t>(half.size()) + 5, kOutOfRange, kUntouched},
        {half + "1e-324", static_cast<std::ptrdiff_t>(half.size()) + 6, kFine, 0x1p-1074},
    };
    for (const auto& c : cases) {
        const char* first = c.text.data();
        const char* last = first + c.text.size();
        double value = kUntouched;
        const std::from_chars_result read = OwnDoubleFromChars(first, last, value);
        EXPECT_EQ(read.ptr - first, c.used) << c.text;
        EXPECT_EQ(read.ec, c.error) << c.text;
        EXPECT_EQ(BitsOf(value), BitsOf(c.value)) << c.text;
#ifdef __cpp_lib_to_chars
        double libraryValue = kUntouched;
        const std::from_chars_result library = std::from_chars(first, last, libraryValue);
        EXPECT_EQ(library.ptr, read.ptr) << c.text;
        EXPECT_EQ(library.ec, read.ec) << c.text;
        EXPECT_EQ(BitsOf(libraryValue), BitsOf(value)) << c.text;
#endif
    }
}

TEST(DecimalConversionTest, WritesAsTheStandardLibrary) {
    const struct {
        double value;
        std::chars_format format;
        int precision;
        const char* text;
    } cases[] = {
        {0.125, std::chars_format::fixed, 2, "0.12"}, // halfway: to even
        {0.375, std::chars_format::fixed, 2, "0.38"},
        {2.5, std::chars_format::fixed, 0, "2"},
        {0.1, std::chars_format::fixed, 20, "0.10000000000000000555"},
        {1e22, std::chars_format::fixed, 0, "10000000000000000000000"},
        {-0.0, std::chars_format::fixed, 1, "-0.0"},
        {0.0004, std::chars_format::fixed, 3, "0.000"},
        {0.0006, std::chars_format::fixed, 3, "0.001"},
        {123456.0, std::chars_format::scientific, 5, "1.23456e+05"},
        {9.9999999, std::chars_format::scientific, 2, "1.00e+01"},
        {5e-7, std::chars_format::scientific, 0, "5e-07"},
        {-0.0, std::chars_format::scientific, 3, "-0.000e+00"},
        {0x1p-1074, std::chars_format::scientific, 5, "4.94066e-324"},
        {0x1.fffffffffffffp1023, std::chars_format::scientific, 16, "1.7976931348623157e+308"},
        {kInf, std::chars_format::fixed, 2, "inf"},
        {-kNaN, std::chars_format::scientific, 2, "-nan"},
    };
    for (const auto& c : cases) {
        char text[400];
        const std::to_chars_result written =
            OwnDoubleToChars(text, text + sizeof text, c.value, c.format, c.precision);
        EXPECT_EQ(written.ec, kFine) << c.text;
        EXPECT_EQ(std::string(text, written.ptr), c.text);
    }
    char small[4];
    const std::to_chars_result tooLong =
        OwnDoubleToChars(small, small + sizeof small, 1234.5, std::chars_format::fixed, 1);
    EXPECT_EQ(tooLong.ec, std::errc::value_too_large);
    EXPECT_EQ(tooLong.ptr, small + sizeof small);
}

#ifdef __cpp_lib_to_chars
// Doubles of every kind written in both formats, and the texts read back.
TEST(DecimalConversionTest, AgreesWithTheStandardLibraryOnGeneratedNumbers) {
    std::uint64_t state = 1;
    for (int i = 0; i < 5000; ++i) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        double value = 0;
        std::memcpy(&value, &state, sizeof value);
        const int precision = static_cast<int>(state >> 58); // 0 to 63
        for (const std::chars_format format :
             {std::chars_format::fixed, std::chars_format::scientific}) {
            char own[400];
            char library[400];
            const auto ownWritten =
                OwnDoubleToChars(own, own + sizeof own, value, format, precision);
            const auto libraryWritten =
                std::to_chars(library, library + sizeof library, value, format, precision);
            ASSERT_EQ(std::string(own, ownWritten.ptr), std::string(library, libraryWritten.ptr));
            double ownRead = kUntouched;
            double libraryRead = kUntouched;
            const auto ownResult = OwnDoubleFromChars(own, ownWritten.ptr, ownRead);
            const auto libraryResult = std::from_chars(own, ownWritten.ptr, libraryRead);
            ASSERT_EQ(ownResult.ptr, libraryResult.ptr) << own;
            ASSERT_EQ(ownResult.ec, libraryResult.ec) << own;
            ASSERT_EQ(BitsOf(ownRead), BitsOf(libraryRead)) << own;
        }
    }
}
#endif

} // namespace
