// The data file's text: values written and read to the byte (the program's own rounding,
// non-finite values, the C locale), the example file, which lines are recognised, the room and
// the lamp file's light after the quantities.
#include "io/DataFileText.h"
#include "io/DataFileValue.h"
#include "support/Blanks.h"
#include "tests/TemporaryFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

ValueStore DefaultsWithInitialGivens() {
    ValueStore store;
    LoadDefaults(store);
    for (int q : kInitiallyGiven) {
        store.given[q] = 1;
    }
    return store;
}

TEST(DataFileValue, LaysOutLikePrintfFixedWithEighteenCharacters) {
    EXPECT_EQ(FormatDataFileValue(0.0), "          0.000000");
    EXPECT_EQ(FormatDataFileValue(1000.0), "       1000.000000");
    EXPECT_EQ(FormatDataFileValue(0.19), "          0.190000");
    EXPECT_EQ(FormatDataFileValue(-2.5), "         -2.500000");
    EXPECT_EQ(FormatDataFileValue(123456789012.5), "123456789012.500000");
    EXPECT_EQ(FormatDataFileValue(1e30), "1000000000000000019884624838656.000000");
}

TEST(DataFileValue, RoundsByItsOwnBiasNotTheLibraryRule) {
    EXPECT_EQ(FormatDataFileValue(0.0000015), "          0.000001");
    EXPECT_EQ(FormatDataFileValue(0.0000004999), "          0.000000");
    EXPECT_EQ(FormatDataFileValue(-0.0000004), "         -0.000000");
    EXPECT_EQ(FormatDataFileValue(-0.0), "         -0.000000");
    EXPECT_EQ(FormatDataFileValue(3251.810681), "       3251.810681");
    EXPECT_EQ(FormatDataFileValue(482.41192283), "        482.411923");
    EXPECT_EQ(FormatDataFileValue(17.857142857142858), "         17.857143");
    EXPECT_EQ(FormatDataFileValue(0.9999995), "          1.000000");
}

// Multiplies a decimal digit string by a factor below 2^32.
void MultiplyDecimal(std::string& digits, std::uint64_t factor) {
    std::uint64_t carry = 0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        const std::uint64_t product = static_cast<std::uint64_t>(*digit - '0') * factor + carry;
        *digit = static_cast<char>('0' + product % 10);
        carry = product / 10;
    }
    for (; carry != 0; carry /= 10) {
        digits.insert(digits.begin(), static_cast<char>('0' + carry % 10));
    }
}

// The rule worked out independently from the exact decimal expansion of the magnitude
// (significand x 2^-k = significand x 5^k / 10^k): its digits plus 0.499999999999e-6,
// cut after the sixth decimal.
std::string ExactlyBiasedDigits(double magnitude) {
    int exponent = 0;
    const double mantissa = std::frexp(magnitude, &exponent);
    std::string digits = std::to_string(static_cast<std::uint64_t>(std::ldexp(mantissa, 53)));
    exponent -= 53;
    for (; exponent > 0; exponent -= std::min(exponent, 30)) {
        MultiplyDecimal(digits, std::uint64_t{1} << std::min(exponent, 30));
    }
    std::size_t fractionDigits = 0;
    for (; exponent < 0; exponent += 13) {
        const int steps = std::min(-exponent, 13);
        std::uint64_t powerOfFive = 1;
        for (int step = 0; step < steps; ++step) {
            powerOfFive *= 5;
        }
        MultiplyDecimal(digits, powerOfFive);
        fractionDigits += steps;
    }
    if (digits.size() <= fractionDigits) {
        digits.insert(0, fractionDigits + 1 - digits.size(), '0');
    }
    std::string whole = digits.substr(0, digits.size() - fractionDigits);
    const std::string fraction = (digits.substr(whole.size()) + std::string(18, '0')).substr(0, 18);
    std::uint64_t biased = std::stoull(fraction) + 499999999999;
    if (biased >= 1000000000000000000) {
        biased -= 1000000000000000000;
        std::size_t i = whole.size();
        while (i > 0 && whole[i - 1] == '9') {
            whole[--i] = '0';
        }
        if (i == 0) {
            whole.insert(0, "1");
        } else {
            ++whole[i - 1];
        }
    }
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    const std::string decimals = std::to_string(1000000 + biased / 1000000000000);
    return whole + "." + decimals.substr(1);
}

double FromBits(std::uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Doubles of every binary exponent, and the cases where the cut is closest.
std::vector<double> AwkwardDoubles() {
    std::vector<double> values = {1.0546875,
                                  99760574620.909820556640625,
                                  348347350.0578035,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::min(),
                                  9007199254740993.0 * 4,
                                  0.500000000001e-6,
                                  1.500000000001e-6};
    std::mt19937_64 random(20261207);
    for (int exponentField = 0; exponentField < 2047; ++exponentField) {
        values.push_back(
            FromBits((static_cast<std::uint64_t>(exponentField) << 52) | (random() >> 12)));
    }
    for (int i = 0; i < 2000; ++i) {
        const int exponent =
            static_cast<int>(random() % 120) - 30; // where the sixth decimal is in reach
        values.push_back(std::ldexp(static_cast<double>(random() >> 11), exponent - 53));
        // Rests of exactly 0.5e-6: odd multiples of 1/128.
        values.push_back(static_cast<double>((random() >> static_cast<int>(random() % 60)) | 1) /
                         128);
        values.push_back(static_cast<double>(random() % 100000) * 1e-6 + 0.500000000001e-6);
    }
    for (std::size_t i = 0, n = values.size(); i < n; ++i) {
        values.push_back(std::nextafter(values[i], 0.0));
        values.push_back(std::nextafter(values[i], HUGE_VAL));
    }
    return values;
}

TEST(DataFileValue, DigitsAreThoseOfTheExactlyBiasedMagnitude) {
    EXPECT_EQ(FormatDataFileValue(1.0546875), "          1.054687");
    EXPECT_EQ(FormatDataFileValue(99760574620.909820556640625), "99760574620.909821");
    EXPECT_EQ(FormatDataFileValue(348347350.0578035), "  348347350.057804");
    std::mt19937 random(7);
    for (double value : AwkwardDoubles()) {
        if (std::isinf(value)) {
            continue;
        }
        const bool negative = random() % 2 == 1;
        std::string expected = (negative ? "-" : "") + ExactlyBiasedDigits(value);
        expected.insert(0, expected.size() < 18 ? 18 - expected.size() : 0, ' ');
        ASSERT_EQ(FormatDataFileValue(negative ? -value : value), expected)
            << std::hexfloat << value;
    }
}

TEST(DataFileValue, WritesNonFiniteValuesAsWords) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatDataFileValue(inf), "               inf");
    EXPECT_EQ(FormatDataFileValue(-inf), "              -inf");
    EXPECT_EQ(FormatDataFileValue(std::nan("")), "               nan");
    EXPECT_EQ(FormatDataFileValue(-std::nan("")), "              -nan");
}

TEST(DataFileValue, ReadsNumbersAsAtofInTheCLocale) {
    EXPECT_EQ(ParseDataFileNumber("   1000.000000 lm  *"), 1000.0);
    EXPECT_EQ(ParseDataFileNumber("0.25*"), 0.25);
    EXPECT_EQ(ParseDataFileNumber("\t-2.5e3x"), -2500.0);
    EXPECT_EQ(ParseDataFileNumber("+7"), 7.0);
    EXPECT_EQ(ParseDataFileNumber("12,5"), 12.0);
    EXPECT_EQ(ParseDataFileNumber("--1"), 0.0);
    EXPECT_EQ(ParseDataFileNumber("Euro"), 0.0);
    EXPECT_EQ(ParseDataFileNumber(""), 0.0);
    EXPECT_EQ(ParseDataFileNumber("99999999999999999999"), 1e20);
}

TEST(DataFileValue, ReadsOutOfRangeAndNonFiniteNumbersWithoutHarm) {
    EXPECT_EQ(ParseDataFileNumber("1e400"), HUGE_VAL);
    EXPECT_EQ(ParseDataFileNumber("-1e400"), -HUGE_VAL);
    EXPECT_EQ(ParseDataFileNumber("0.00001e999999999999999999999"), HUGE_VAL);
    EXPECT_EQ(ParseDataFileNumber("123e-400"), 0.0);
    EXPECT_EQ(ParseDataFileNumber("1e-99999999999999999999999"), 0.0);
    EXPECT_EQ(ParseDataFileNumber("inf"), HUGE_VAL);
    EXPECT_TRUE(std::isnan(ParseDataFileNumber("nan")));
    const double negativeNan = ParseDataFileNumber("-nan");
    EXPECT_TRUE(std::isnan(negativeNan) && std::signbit(negativeNan));
}

TEST(DataFileText, WritesTheExampleFileByteForByte) {
    const std::string text = FormatDataFile(DefaultsWithInitialGivens());
    EXPECT_EQ(text.size(), 1123u);
    const std::string tenBlanks(10, ' ');
    EXPECT_EQ(text.substr(0, 47),
              "Lichtst\xE4ke" + tenBlanks + " = " + tenBlanks + "0.000000 cd  \n");
    EXPECT_EQ(text.substr(47, 50),
              "Lichtstrom" + tenBlanks + " = " + "       1000.000000 lm    *\n");
    EXPECT_NE(
        text.find("Lichtausbeute" + std::string(7, ' ') + " = " + tenBlanks + "0.000000 W/lm\n"),
        std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 50), "Wartungsfaktor       =           1.000000       *\n");
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
}

TEST(DataFileText, RecognisesNamesAnywhereFollowedByAnEquals) {
    DataFileContents contents;
    RecogniseDataFileLine("xx Strompreis=0.25* yy", contents);
    EXPECT_TRUE(contents.present[kElectricityPrice]);
    EXPECT_EQ(contents.value[kElectricityPrice], 0.25);
    EXPECT_TRUE(contents.marked[kElectricityPrice]);

    RecogniseDataFileLine("Lichtst\xE4rke = 5", contents); // the dialog label, not the title
    RecogniseDataFileLine("Raumgr\xF6\xDF"
                          "e 20",
                          contents); // no '=' after the name
    EXPECT_FALSE(contents.present[kLuminousIntensity]);
    EXPECT_FALSE(contents.present[kRoomArea]);
    EXPECT_EQ(contents.recognisedLines, 1);
}

TEST(DataFileText, TriesQuantitiesInIndexOrderAndTheEqualsMustFollowTheName) {
    DataFileContents contents;
    RecogniseDataFileLine("Raumwirkungsgrad = 70 Lampenwirkungsgrad", contents);
    EXPECT_FALSE(contents.present[kLampEfficiency]);
    EXPECT_FALSE(contents.present[kRoomEfficiency]);
    EXPECT_EQ(contents.recognisedLines, 0);

    RecogniseDataFileLine("Elekt. Leistung * = 35 W", contents);
    EXPECT_TRUE(contents.present[kPower]);
    EXPECT_FALSE(contents.marked[kPower]);
}

TEST(DataFileText, LaterLinesReplaceTheValueButAMarkStays) {
    DataFileContents contents;
    RecogniseDataFileLine("Lichtstrom = 1000 lm  *", contents);
    RecogniseDataFileLine("Lichtstrom = 1200 lm", contents);
    EXPECT_EQ(contents.value[kLuminousFlux], 1200.0);
    EXPECT_TRUE(contents.marked[kLuminousFlux]);
    EXPECT_EQ(contents.recognisedLines, 2);
}

TEST(DataFileText, ReadsBackWhatItWrites) {
    ValueStore store = DefaultsWithInitialGivens();
    store.value[kLuminousIntensity] = 3251.810681;
    const std::string text = FormatDataFile(store);
    DataFileContents contents;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start) + 1;
        RecogniseDataFileLine(text.substr(start, end - start).c_str(), contents);
        start = end;
    }
    EXPECT_EQ(contents.recognisedLines, kQuantityCount);
    for (int q = 0; q < kQuantityCount; ++q) {
        EXPECT_TRUE(contents.present[q]) << q;
        EXPECT_EQ(contents.marked[q], store.given[q] != 0) << q;
        EXPECT_EQ(contents.value[q], store.value[q]) << q;
    }
}

} // namespace

namespace {

DataFileContents ReadText(const std::string& text) {
    std::FILE* file = TemporaryFileHolding(text);
    DataFileContents contents;
    ReadDataFile(file, contents);
    std::fclose(file);
    return contents;
}

TEST(DataFileReading, LooksAtTheFirstThousandLinesOnly) {
    std::string text;
    for (int line = 0; line < 1000; ++line) {
        text += "nothing to see here\n";
    }
    EXPECT_EQ(ReadText(text + "Lichtstrom = 5\n").recognisedLines, 0);
    text.resize(text.size() - 20);
    EXPECT_EQ(ReadText(text + "Lichtstrom = 5\n").recognisedLines, 1);
}

TEST(DataFileReading, TakesCarriageReturnsAndLongLinesInItsStride) {
    const std::string saved = FormatDataFile(DefaultsWithInitialGivens());
    std::string withCarriageReturns;
    for (char c : saved) {
        withCarriageReturns += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const DataFileContents contents = ReadText(withCarriageReturns);
    EXPECT_EQ(contents.recognisedLines, kQuantityCount);
    EXPECT_EQ(contents.value[kElectricityPrice], 0.19);
    EXPECT_TRUE(contents.marked[kElectricityPrice]);

    // A line of 300 bytes arrives as a piece of 255 and one of 45; the name lies in the second.
    const DataFileContents split = ReadText(std::string(255, '-') + "Strompreis = 0.3\n");
    EXPECT_TRUE(split.present[kElectricityPrice]);
    EXPECT_EQ(split.value[kElectricityPrice], 0.3);
}

TEST(DataFileReading, Utf8UmlautsHideTheirQuantities) {
    std::string utf8;
    for (unsigned char c : FormatDataFile(DefaultsWithInitialGivens())) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    const DataFileContents contents = ReadText(utf8);
    for (int q = 0; q < kQuantityCount; ++q) {
        const bool lost = q == kLuminousIntensity || q == kIlluminance || q == kLitArea ||
                          q == kMountingHeight || q == kRoomArea;
        EXPECT_EQ(contents.present[q], !lost) << q;
    }
}

TEST(DataFileReading, SurvivesBinaryData) {
    std::string binary;
    for (int i = 0; i < 100000; ++i) {
        binary += static_cast<char>((i * 7919) % 256);
    }
    EXPECT_EQ(ReadText(binary).recognisedLines, 0);
    EXPECT_EQ(ReadText(std::string("Lichtstrom\0 = 5\n", 17)).recognisedLines, 0);
}

} // namespace

namespace {

bool SameQuantities(const DataFileContents& a, const DataFileContents& b) {
    for (int q = 0; q < kQuantityCount; ++q) {
        if (a.present[q] != b.present[q] || a.marked[q] != b.marked[q] ||
            (a.present[q] && a.value[q] != b.value[q])) {
            return false;
        }
    }
    return a.recognisedLines == b.recognisedLines;
}

// A reader that knows only the quantities looks at a line only when a quantity's name occurs in
// it; none of the room's lines holds one but the room's Wartungsfaktor, which this program reads
// as the room's by its place and readers of 22 quantities do not know.
bool NamesAQuantity(const std::string& line) {
    for (int q = 0; q < kQuantityCount; ++q) {
        if (line.find(TrimBlanks(TitleName(q))) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// A lamp's light as fine as makers measure it: 72 planes of 181 gamma angles, values with all
// their digits, so that the intensities' line alone is longer than 1000 pieces of a line.
LightDistribution FineDistribution() {
    LightDistribution distribution;
    distribution.symmetry = PlaneSymmetry::None;
    for (int c = 0; c < 72; ++c) {
        distribution.planes.push_back(c * 5.0);
    }
    for (int g = 0; g <= 180; ++g) {
        distribution.gammas.push_back(g);
    }
    for (std::size_t i = 0; i < distribution.planes.size() * distribution.gammas.size(); ++i) {
        distribution.intensities.push_back(1000.0 / (3 + static_cast<double>(i)));
    }
    return distribution;
}

// The light distribution comes back to the last bit, after the room and every line that readers
// of the quantities look at; a broken table gives none.
TEST(DataFileRoom, TheLampFilesLightDistributionComesBackExactly) {
    const ValueStore store = DefaultsWithInitialGivens();
    const LightDistribution light = FineDistribution();
    const std::string text = FormatDataFile(store, Room{12, 7, 3}, "b\xFCro.ldt", &light);
    ASSERT_GT(text.size(), 1000u * 255);
    const DataFileContents contents = ReadText(text + "Lichtstrom = 1234\n");
    ASSERT_TRUE(contents.distribution);
    EXPECT_EQ(contents.distribution->symmetry, light.symmetry);
    EXPECT_EQ(contents.distribution->planes, light.planes);
    EXPECT_EQ(contents.distribution->gammas, light.gammas);
    EXPECT_EQ(contents.distribution->intensities, light.intensities);
    EXPECT_EQ(contents.lampFileName, "b\xFCro.ldt");
    EXPECT_EQ(contents.value[kLuminousFlux], 1234);
    EXPECT_EQ(text.find("Verteilung"), text.find("Leuchtendatei") + 31);

    const std::size_t cut = text.rfind(' ');
    for (const std::string& broken : {text.substr(0, cut) + "\n", text.substr(0, cut) + " x\n"}) {
        EXPECT_FALSE(ReadText(broken).distribution);
    }
    EXPECT_EQ(FormatDataFile(store, Room{12, 7, 3}, std::string(), &light),
              FormatDataFile(store, Room{12, 7, 3}));
}

// The numbers are written as C's "%.17g" writes them, in every build.
TEST(DataFileRoom, TheDistributionsNumbersAreWrittenAsPrintfWritesThem) {
    const double numbers[] = {0,
                              90,
                              1e-5,
                              0.0001,
                              0.1,
                              1.0 / 3,
                              123456789012345678.0,
                              1e300,
                              5e-324,
                              -2.5,
                              1e16,
                              1e17,
                              99999.999999999999,
                              7.0e-5,
                              2.5e15,
                              1234.5};
    LightDistribution light;
    light.planes = {0};
    std::string expected = "Verteilung cd       :";
    for (double number : numbers) {
        light.gammas.push_back(static_cast<double>(light.gammas.size()));
        light.intensities.push_back(number);
        char written[40];
        std::snprintf(written, sizeof written, " %.17g", number);
        expected += written;
    }
    const std::string lines = FormatDistributionLines(light);
    EXPECT_EQ(lines.substr(lines.find("Verteilung cd")), expected + "\n");
}

// A file of 22 quantities, as the versions before the Wartungsfaktor wrote it, counts with a
// given factor of 1; a file of 23 keeps its factor, a room's factor only goes to the room.
TEST(DataFileText, AFileWithoutTheMaintenanceFactorCountsWithAGivenOne) {
    ValueStore store = DefaultsWithInitialGivens();
    store.value[kMaintenanceFactor] = 0.8;
    store.given[kMaintenanceFactor] = 0;
    const std::string text = FormatDataFile(store);
    const std::string old = text.substr(0, text.rfind("Wartungsfaktor"));
    const std::string oldWithRoom = FormatDataFile(store, Room{}).replace(old.size(), 50, "");
    const struct {
        std::string text;
        double factor;
        bool marked;
    } cases[] = {{text, 0.8, false}, {old, 1.0, true}, {oldWithRoom, 1.0, true}};
    for (const auto& c : cases) {
        const DataFileContents contents = ReadText(c.text);
        EXPECT_TRUE(contents.present[kMaintenanceFactor]);
        EXPECT_EQ(contents.value[kMaintenanceFactor], c.factor);
        EXPECT_EQ(contents.marked[kMaintenanceFactor], c.marked);
    }
    EXPECT_EQ(ReadText(oldWithRoom).room->maintenanceFactor, 0.8);
    EXPECT_FALSE(ReadText("Kein Wert\n").present[kMaintenanceFactor]);
}

TEST(DataFileRoom, TheRoomAndItsLampFileComeBackAndReadersOfTheQuantitiesSkipThem) {
    const ValueStore store = DefaultsWithInitialGivens();
    const std::string plain = FormatDataFile(store);
    const Room room{12.5, 8, 4, 0.85, 0.5, 80, 50, 30, 0.7};
    const std::string longName = std::string(300, 'L') + ".ldt";
    LightDistribution light;
    light.planes = {0, 90};
    light.gammas = {0, 90, 180};
    light.intensities = {100, 50, 0, 100, 60.5, 0};
    for (const std::string& lampFile :
         {std::string(), std::string("Lichtstrom=1%.ldt"), longName}) {
        SCOPED_TRACE(lampFile.substr(0, 20));
        const std::string text = FormatDataFile(store, room, lampFile, &light);
        ASSERT_EQ(text.compare(0, plain.size(), plain), 0);
        for (std::size_t start = plain.size(); start < text.size();) {
            const std::size_t end = text.find('\n', start) + 1;
            const std::string line = text.substr(start, end - start);
            const bool roomFactor = line.rfind("Wartungsfaktor ", 0) == 0;
            EXPECT_TRUE(roomFactor || !NamesAQuantity(line) || line.find('=') == std::string::npos)
                << line;
            start = end;
        }
        const DataFileContents contents = ReadText(text);
        EXPECT_TRUE(SameQuantities(contents, ReadText(plain)));
        ASSERT_TRUE(contents.room);
        EXPECT_EQ(contents.room->length, 12.5);
        EXPECT_EQ(contents.room->workPlaneHeight, 0.85);
        EXPECT_EQ(contents.room->suspension, 0.5);
        EXPECT_EQ(contents.room->ceilingReflectance, 80);
        EXPECT_EQ(contents.room->floorReflectance, 30);
        EXPECT_EQ(contents.room->maintenanceFactor, 0.7);
        EXPECT_EQ(contents.lampFileName, lampFile);
    }
    // Without a room, nothing is added, not even the lamp file.
    EXPECT_EQ(FormatDataFile(store, std::nullopt, "a.ldt"), plain);
    EXPECT_FALSE(ReadText(plain).room);
}

// A data file's room is taken only as the room dialog takes one: a room that the room's rule
// refuses is left out with its lamp file, and the problem is told; the quantities load.
TEST(DataFileRoom, ARoomOutsideTheRuleIsLeftOutAndTheQuantitiesLoad) {
    const ValueStore store = DefaultsWithInitialGivens();
    const DataFileContents plain = ReadText(FormatDataFile(store));
    const struct {
        void (*change)(Room&);
        RoomProblem problem;
    } cases[] = {
        {[](Room& r) { r.length = std::numeric_limits<double>::quiet_NaN(); }, RoomProblem::Length},
        {[](Room& r) { r.length = 1e308; }, RoomProblem::Length},
        {[](Room& r) { r.width = HUGE_VAL; }, RoomProblem::Width},
        {[](Room& r) { r.width = 1e-9; }, RoomProblem::Width},
        {[](Room& r) { r.height = 101; }, RoomProblem::Height},
        {[](Room& r) { r.workPlaneHeight = -1; }, RoomProblem::WorkPlaneHeight},
        {[](Room& r) { r.suspension = 5; }, RoomProblem::LightPointHeight},
        {[](Room& r) { r.ceilingReflectance = 95; }, RoomProblem::CeilingReflectance},
        {[](Room& r) { r.wallReflectance = -HUGE_VAL; }, RoomProblem::WallReflectance},
        {[](Room& r) { r.floorReflectance = 90.5; }, RoomProblem::FloorReflectance},
        {[](Room& r) { r.maintenanceFactor = 0; }, RoomProblem::MaintenanceFactor},
    };
    for (const auto& c : cases) {
        Room room{12.5, 8, 4, 0.85, 0.5, 80, 50, 30, 0.7};
        c.change(room);
        const DataFileContents contents = ReadText(FormatDataFile(store, room, "a.ldt"));
        EXPECT_FALSE(contents.room) << RoomProblemMessage(c.problem);
        EXPECT_EQ(contents.roomProblem, c.problem) << RoomProblemMessage(c.problem);
        EXPECT_EQ(contents.lampFileName, "");
        EXPECT_TRUE(SameQuantities(contents, plain));
    }
}

// A lamp file's name is a file's name in a folder: one with a control character or a folder
// separator is refused, and never written; the room stays.
TEST(DataFileRoom, ALampFileNameThatIsNoFileNameIsRefused) {
    const ValueStore store = DefaultsWithInitialGivens();
    const Room room{12.5, 8, 4, 0.85, 0.5, 80, 50, 30, 0.7};
    const std::string placeholder = "placeholder.ldt";
    const std::string text = FormatDataFile(store, room, placeholder);
    for (const std::string& name :
         {std::string("a\x01.ldt"), std::string("a\rb.ldt"), std::string("a\x7F.ldt"),
          std::string("Leuchten/a.ldt"), std::string("..\\a.ldt"), std::string("/etc/passwd")}) {
        std::string hostile = text;
        hostile.replace(hostile.find(placeholder), placeholder.size(), name);
        const DataFileContents contents = ReadText(hostile);
        EXPECT_TRUE(contents.room) << name;
        EXPECT_EQ(contents.lampFileName, "") << name;
        EXPECT_TRUE(contents.lampFileNameRefused) << name;
    }
    EXPECT_EQ(FormatDataFile(store, room, "a\nb.ldt"), FormatDataFile(store, room));
}

// A value that is not a finite number never enters the values: its line is skipped like an
// unreadable one.
TEST(DataFileText, SkipsLinesWhoseNumberIsNotFinite) {
    const DataFileContents contents =
        ReadText("Lichtstrom = nan  *\nLichtst\xE4ke = -inf\nRaumgr\xF6\xDF"
                 "e = 1e400\nLebensdauer = 2000\n");
    EXPECT_EQ(contents.recognisedLines, 1);
    for (int q = 0; q < kQuantityCount; ++q) {
        // A file without the Wartungsfaktor's line counts with a given factor of 1.
        EXPECT_EQ(contents.present[q], q == kLampLife || q == kMaintenanceFactor) << q;
        EXPECT_EQ(contents.marked[q], q == kMaintenanceFactor) << q;
    }
}

} // namespace
