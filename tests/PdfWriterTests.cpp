#include "pdf/PdfFont.h"
#include "pdf/PdfSyntax.h"
#include "tests/PdfSamples.h"
#include "tests/PdfStructure.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(PdfWriter, TextWidthsAreHelveticas) {
    const struct {
        const char* text;
        PdfFont font;
        double size;
        double width;
    } cases[] = {
        {"Hello", PdfFont::Helvetica, 10, 22.78},
        {"Hello", PdfFont::HelveticaBold, 10, 24.45},
        {"\xE4\xF6\xFC\xDF", PdfFont::Helvetica, 10, 22.79},
        {"\xB0\xB2\xB5\xD8", PdfFont::Helvetica, 10, 20.67},
        {"\x85", PdfFont::Helvetica, 12, 12.0},
        {"W i", PdfFont::Helvetica, 1000, 944 + 278 + 222},
        {"", PdfFont::HelveticaBold, 10, 0.0},
    };
    for (const auto& testCase : cases) {
        EXPECT_NEAR(TextWidth(testCase.text, testCase.font, testCase.size), testCase.width, 1e-9)
            << testCase.text;
    }
}

// A text that fits stays whole; one that does not keeps its beginning and ends in "…", and is
// never wider than its column, whatever its bytes and the column's width.
TEST(PdfWriter, TextInAColumnIsCutWithAnEllipsisAndNeverRunsOver) {
    EXPECT_EQ(FittedText("Hello", PdfFont::Helvetica, 10, 22.78), "Hello");
    EXPECT_EQ(FittedText("Hello", PdfFont::Helvetica, 10, 22.77), "H\x85");
    EXPECT_EQ(FittedText("Hello", PdfFont::Helvetica, 10, 10.0), "\x85");
    EXPECT_EQ(FittedText("Hello", PdfFont::Helvetica, 10, 9.99), "");
    EXPECT_EQ(FittedText("Hello", PdfFont::Helvetica, 10, kNaN), "");
    std::mt19937_64 random(38);
    for (int round = 0; round < 2000; ++round) {
        const std::string text = RandomBytes(random);
        const PdfFont font = round % 2 == 0 ? PdfFont::Helvetica : PdfFont::HelveticaBold;
        const double size = 4.0 + static_cast<double>(random() % 200) / 10.0;
        const double width = static_cast<double>(random() % 60000) / 100.0;
        const std::string fitted = FittedText(text, font, size, width);
        EXPECT_LE(TextWidth(fitted, font, size), width);
        if (fitted != text && !fitted.empty()) {
            EXPECT_EQ(fitted.back(), '\x85');
            EXPECT_EQ(text.compare(0, fitted.size() - 1, fitted, 0, fitted.size() - 1), 0);
        }
    }
}

TEST(PdfWriter, NumbersAndStringsAreWrittenAsPdfReadsThem) {
    const struct {
        double value;
        const char* written;
    } numbers[] = {
        {0.0, "0"},   {-0.001, "0"},          {12.5, "12.5"},       {595.28, "595.28"},
        {-3.0, "-3"}, {2.675, "2.67"},        {0.999, "1"},         {1e300, "32767"},
        {kNaN, "0"},  {-kInfinity, "-32767"}, {kInfinity, "32767"}, {1e-310, "0"},
    };
    for (const auto& number : numbers) {
        EXPECT_EQ(PdfNumber(number.value), number.written) << number.value;
    }
    const struct {
        std::string text;
        const char* written;
    } strings[] = {
        {"Raum (A) \\ 1", "(Raum \\(A\\) \\\\ 1)"},
        {"\xE4\xDF\x85", "(\\344\\337\\205)"},
        {std::string("\r\n\0)", 4), "(\\015\\012\\000\\))"},
    };
    for (const auto& string : strings) {
        EXPECT_EQ(PdfString(string.text), string.written);
    }
}

// The table points at every object and the content streams are sound, also with any bytes as
// texts and any numbers; and the same pages give the same bytes on every build (the native, the
// Windows and the WebAssembly suite pin the same digest: a change of the output renews it).
TEST(PdfWriter, TheCrossReferenceTablePointsAtEveryObject) {
    const std::string sample = SamplePdf();
    EXPECT_EQ(PdfStructureFault(sample), "");
    EXPECT_EQ(PdfStructureFault(PdfDocument().Bytes()), "");
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        EXPECT_EQ(PdfStructureFault(RandomPdf(seed)), "") << "seed " << seed;
    }
    std::uint64_t digest = 14695981039346656037u;
    for (const char byte : sample) {
        digest = (digest ^ static_cast<unsigned char>(byte)) * 1099511628211u;
    }
    EXPECT_EQ(sample.size(), 1430u);
    EXPECT_EQ(digest, 1356389630650090954u);
}

} // namespace
