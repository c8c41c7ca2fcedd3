// The text of a field's number: reading as the program reads typed text (blanks, signs,
// separators, at most 31 characters) and writing with the quantity's decimals and groups.
#include "ui/NumericText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

std::string Format(double value, int decimals) {
    char text[kFieldTextSize];
    FormatFieldValue(value, decimals, text);
    return text;
}

struct ReadCase {
    const char* text;
    int decimals;
    double value;
};

TEST(NumericText, ReadsTheDocumentedExamples) {
    const ReadCase cases[] = {
        {"1 234,5", 2, 1234.5}, {"12.345", 2, 12.34}, {"-0,5", 2, -0.5},
        {"0-,5", 2, -0.5},      {"5-3", 2, -53},      {"1e3", 2, 1},
        {"+5", 2, 0},           {"abc", 2, 0},        {"", 2, 0},
        {"1.2.3", 2, 1.2},      {"2.7", 0, 2},        {"3,14159", 3, 3.141},
        {"1 000", 0, 1000},     {"1 000", 2, 1000},   {"1 000", 9, 1000},
    };
    for (const ReadCase& c : cases) {
        EXPECT_DOUBLE_EQ(ParseFieldValue(c.text, c.decimals), c.value)
            << '"' << c.text << "\" with " << c.decimals << " decimals";
    }
}

TEST(NumericText, ReadsBlanksMinusSignsAndSeparatorsAnywhere) {
    EXPECT_DOUBLE_EQ(ParseFieldValue("\t1\r2\n3 ", 0), 123);
    EXPECT_DOUBLE_EQ(ParseFieldValue("12. 3\t4", 2), 12.34);
    EXPECT_DOUBLE_EQ(ParseFieldValue("1-2-3", 0), -12); // a second minus ends the number
    EXPECT_DOUBLE_EQ(ParseFieldValue("7.x5", 2), 7);
    EXPECT_DOUBLE_EQ(ParseFieldValue(".5", 1), 0.5);
    EXPECT_DOUBLE_EQ(ParseFieldValue("4,56", 0), 4); // no decimals: the fraction is not read
}

TEST(NumericText, ReadsOnlyTheFirst31Characters) {
    const std::string digits31(31, '1');
    EXPECT_DOUBLE_EQ(ParseFieldValue("                             12", 0), 12);  // 31 long
    EXPECT_DOUBLE_EQ(ParseFieldValue("                              12", 0), 1);  // 32 long
    EXPECT_DOUBLE_EQ(ParseFieldValue("                             1.25", 2), 1); // cut at '.'
    EXPECT_DOUBLE_EQ(ParseFieldValue((digits31 + "9").c_str(), 0),
                     ParseFieldValue(digits31.c_str(), 0));
}

TEST(NumericText, ReadsMinusZeroAsNegativeZero) {
    const double value = ParseFieldValue("-0.00", 2);
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(std::signbit(value));
    EXPECT_EQ(Format(value, 2), "0.00");
}

TEST(NumericText, WritesTheDocumentedExamples) {
    EXPECT_EQ(Format(1234.5, 1), "1 234.5");
    EXPECT_EQ(Format(0.19, 2), "0.19");
    EXPECT_EQ(Format(1000000, 0), "1 000 000");
    EXPECT_EQ(Format(6.283185307179586, 3), "6.283");
    EXPECT_EQ(Format(2.5, 0), "2");
    EXPECT_EQ(Format(2.51, 0), "3");
    EXPECT_EQ(Format(0.125, 2), "0.12");
    EXPECT_EQ(Format(12345, 0), "12 345");
    EXPECT_EQ(Format(999, 0), "999");
    EXPECT_EQ(Format(1234567890123, 0), "1 234 567 890 123");
    EXPECT_EQ(Format(-0.001, 2), "-0.00");
    EXPECT_EQ(Format(0, 2), "0.00");
}

TEST(NumericText, GroupsLongRunsFromTheRight) {
    EXPECT_EQ(Format(1000, 0), "1 000");
    EXPECT_EQ(Format(123456789012345, 0), "123 456 789 012 345");
    EXPECT_EQ(Format(1234567890123456, 0), "1234 567 890 123 456");
    EXPECT_EQ(Format(1e18, 0), "1000000 000 000 000 000");
    EXPECT_EQ(Format(-1234.5678, 3), "-1 234.568");
    EXPECT_EQ(Format(3.05, 9), "3.050000000");
}

TEST(NumericText, ClampsTheDecimals) {
    EXPECT_EQ(ClampDecimals(12), 9);
    EXPECT_EQ(ClampDecimals(-1), 0);
    EXPECT_EQ(ClampDecimals(4), 4);
    EXPECT_EQ(Format(0.5, 12), "0.500000000");
    EXPECT_EQ(Format(2.51, -1), "3");
    EXPECT_DOUBLE_EQ(ParseFieldValue("1.23456789012", 12), 1.23456789);
    EXPECT_DOUBLE_EQ(ParseFieldValue("2.7", -1), 2);
}

// Reading gives back every value the display can write: the integer part is not limited to
// 32 bits, and a computed Lichtstärke of 100 000 000 000 reads back as itself.
TEST(NumericText, ReadsBackLargeValuesItWrites) {
    for (double value : {2147483648.0, 1e11, -1e11, 123456789012345678.0}) {
        for (int decimals : {0, 1}) {
            char text[kFieldTextSize];
            FormatFieldValue(value, decimals, text);
            EXPECT_DOUBLE_EQ(ParseFieldValue(text, decimals), value) << text;
        }
    }
}

// Every read and write of the fields goes through these two; a text must not creep upward
// when it is read back and written again, as it would with a rounded product near 2^52.
TEST(NumericText, WritingWhatWasReadShowsTheSameText) {
    for (const char* text :
         {"4 444 444 444 444.401", "1 234 567 890 123.999", "2 251 799 813 685.249",
          "9 007 199 254.740 991", "0.125", "1 234.5"}) {
        const double value = ParseFieldValue(text, 3);
        char shown[kFieldTextSize];
        FormatFieldValue(value, 3, shown);
        for (int round = 0; round < 3; ++round) {
            char again[kFieldTextSize];
            FormatFieldValue(ParseFieldValue(shown, 3), 3, again);
            EXPECT_STREQ(again, shown) << text;
        }
    }
}

TEST(NumericText, WritesValuesBeyondTwoToThe53Exactly) {
    char text[kFieldTextSize];
    FormatFieldValue(9797779996635614.0, 1, text);
    EXPECT_STREQ(text, "9797 779 996 635 614.0");
}

TEST(NumericText, HoldsOverlongDigitRunsAtTheLargestValue) {
    const double largest = 9223372036854775807.0;
    EXPECT_DOUBLE_EQ(ParseFieldValue("9223372036854775807", 0), largest);
    EXPECT_DOUBLE_EQ(ParseFieldValue("99999999999999999999999", 0), largest);
    EXPECT_DOUBLE_EQ(ParseFieldValue("-9999999999999999999999999,5", 1), -largest);
}

// Values beyond what 64 bits hold after scaling show as the largest scaled value with their
// sign; NaN shows as zero. Every such text reads back as a finite value.
TEST(NumericText, WritesOutOfRangeValuesAsTextsThatReadBackFinite) {
    const double infinity = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Format(infinity, 0), "9223372 036 854 775 807");
    EXPECT_EQ(Format(-infinity, 0), "-9223372 036 854 775 807");
    EXPECT_EQ(Format(1e300, 2), "92233 720 368 547 758.07");
    EXPECT_EQ(Format(9.3e18, 0), "9223372 036 854 775 807");
    EXPECT_EQ(Format(-1e10, 9), "-9 223 372 036.854775807");
    EXPECT_EQ(Format(nan, 2), "0.00");
    EXPECT_EQ(Format(-nan, 0), "0");

    for (double value : {infinity, -infinity, 1e300, -1e300, nan, -nan, 9.3e18}) {
        for (int decimals = 0; decimals <= 9; ++decimals) {
            char text[kFieldTextSize];
            FormatFieldValue(value, decimals, text);
            const double read = ParseFieldValue(text, decimals);
            EXPECT_TRUE(std::isfinite(read)) << text;
            if (!std::isnan(value)) {
                EXPECT_EQ(std::signbit(read), std::signbit(value)) << text;
                EXPECT_GE(std::fabs(read), 9.2e18 / std::pow(10.0, decimals)) << text;
            }
            // Writing what was read shows the same text again: the field is stable.
            char again[kFieldTextSize];
            FormatFieldValue(read, decimals, again);
            EXPECT_STREQ(again, text);
        }
    }
}

TEST(NumericText, LongestTextsFitTheBuffer) {
    EXPECT_EQ(Format(-std::numeric_limits<double>::infinity(), 1), "-922337 203 685 477 580.7");
    for (int decimals = 0; decimals <= 9; ++decimals) {
        EXPECT_LE(Format(-1e300, decimals).size(), 25u);
    }
}

} // namespace
