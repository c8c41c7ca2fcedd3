#include "pdf/PdfFont.h"
#include "pdf/PdfSyntax.h"
#include "tests/PdfSamples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The offsets of objects 1, 2, ... that the cross-reference table gives, read from the end of
// the file as a reader does; a failure and nothing where the file's tail is not as it must be.
std::vector<std::size_t> CrossReferenceOffsets(const std::string& pdf) {
    const std::string tail = "\n%%EOF\n";
    const std::size_t startxref = pdf.rfind("startxref\n");
    if (pdf.size() < tail.size() || pdf.compare(pdf.size() - tail.size(), tail.size(), tail) != 0 ||
        startxref == std::string::npos) {
        ADD_FAILURE() << "no startxref and %%EOF at the end";
        return {};
    }
    const std::size_t table = std::strtoul(pdf.c_str() + startxref + 10, nullptr, 10);
    const std::string head = pdf.substr(table, 7);
    if (head != "xref\n0 ") {
        ADD_FAILURE() << "startxref points at '" << head << "'";
        return {};
    }
    char* afterCount = nullptr;
    const std::size_t size = std::strtoul(pdf.c_str() + table + 7, &afterCount, 10);
    const std::size_t firstEntry = static_cast<std::size_t>(afterCount - pdf.c_str()) + 1;
    EXPECT_EQ(pdf.substr(firstEntry, 20), "0000000000 65535 f \n");
    std::vector<std::size_t> offsets;
    for (std::size_t object = 1; object < size; ++object) {
        const std::string entry = pdf.substr(firstEntry + 20 * object, 20);
        EXPECT_EQ(entry.substr(10), " 00000 n \n") << "entry " << object;
        offsets.push_back(std::strtoul(entry.c_str(), nullptr, 10));
    }
    EXPECT_NE(pdf.find("trailer\n<< /Size " + std::to_string(size) + " /Root 1 0 R >>"),
              std::string::npos);
    return offsets;
}

// Every object begins where the table says, and every stream is as long as its /Length says.
void ExpectSoundStructure(const std::string& pdf) {
    ASSERT_EQ(pdf.substr(0, 9), "%PDF-1.4\n");
    const std::vector<std::size_t> offsets = CrossReferenceOffsets(pdf);
    ASSERT_FALSE(offsets.empty());
    for (std::size_t object = 1; object <= offsets.size(); ++object) {
        const std::string header = std::to_string(object) + " 0 obj\n";
        ASSERT_EQ(pdf.substr(offsets[object - 1], header.size()), header) << "object " << object;
    }
    for (std::size_t at = pdf.find("/Length "); at != std::string::npos;
         at = pdf.find("/Length ", at + 1)) {
        const std::size_t length = std::strtoul(pdf.c_str() + at + 8, nullptr, 10);
        const std::size_t start = pdf.find(">>\nstream\n", at) + 10;
        ASSERT_EQ(pdf.substr(start + length, 11), "\nendstream\n") << "stream at " << start;
    }
}

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

// The table points at every object, also with any bytes as texts and any numbers; and the same
// pages give the same bytes on every build (the digest is pinned).
TEST(PdfWriter, TheCrossReferenceTablePointsAtEveryObject) {
    const std::string sample = SamplePdf();
    ExpectSoundStructure(sample);
    ExpectSoundStructure(PdfDocument().Bytes());
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        SCOPED_TRACE(seed);
        ExpectSoundStructure(RandomPdf(seed));
    }
    std::uint64_t digest = 14695981039346656037u;
    for (const char byte : sample) {
        digest = (digest ^ static_cast<unsigned char>(byte)) * 1099511628211u;
    }
    EXPECT_EQ(sample.size(), 1430u);
    EXPECT_EQ(digest, 1356389630650090954u);
}

} // namespace
