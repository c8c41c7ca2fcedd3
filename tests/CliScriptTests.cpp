// The script reader of lumetrix-cli and the Windows-1252 conversion between scripts in UTF-8
// and the program's texts: every byte both ways, and what Windows-1252 cannot hold.
#include "cli/ScriptReader.h"
#include "support/Windows1252.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

TEST(Windows1252, ConvertsEveryByteToUtf8) {
    EXPECT_EQ(Utf8FromWindows1252("Lichtst\xE4rke m\xB2 \xB0"), "Lichtstärke m² °");
    EXPECT_EQ(Utf8FromWindows1252("\x80\x8A\x9F\xFF"), "€Š\u0178ÿ");
    EXPECT_EQ(Utf8FromWindows1252("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Windows1252, ConvertsUtf8BackWhereWindows1252HoldsIt) {
    EXPECT_EQ(Windows1252FromUtf8("Gr\u00F6\u00DF"
                                  "e \u20AC\u2122"),
              "Gr\xF6\xDF"
              "e \x80\x99");
    EXPECT_EQ(Windows1252FromUtf8("\u0081\u008D\u008F\u0090\u009D"), "\x81\x8D\x8F\x90\x9D");
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(Windows1252FromUtf8(Utf8FromWindows1252(one)), one) << byte;
    }
}

TEST(Windows1252, RefusesWhatWindows1252CannotHold) {
    EXPECT_FALSE(Windows1252FromUtf8("\u0080"));       // a C1 control that 0x80 does not mean
    EXPECT_FALSE(Windows1252FromUtf8("\u0100"));       // beyond Latin-1, not in the high row
    EXPECT_FALSE(Windows1252FromUtf8("\U0001F600"));   // four-byte sequence
    EXPECT_FALSE(Windows1252FromUtf8("\xE4"));         // a Windows-1252 byte, not UTF-8
    EXPECT_FALSE(Windows1252FromUtf8("\xC3"));         // truncated sequence
    EXPECT_FALSE(Windows1252FromUtf8("\xC0\xB1"));     // overlong '1'
    EXPECT_FALSE(Windows1252FromUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(Windows1252FromUtf8("\xBF"));         // stray continuation byte
    EXPECT_EQ(Windows1252FromUtf8(""), "");
}

TEST(Windows1252, ShowsWhatItCannotHoldAsQuestionMarks) {
    // ä, a check mark beyond Windows-1252, a stray byte, a truncated sequence.
    EXPECT_EQ(Windows1252FromUtf8Replacing("a\xC3\xA4\xE2\x9C\x93\xFFz\xE2\x82"), "a\xE4??z??");
    EXPECT_TRUE(IsWellFormedUtf8("Gr\xC3\xB6\xC3\x9F"
                                 "e"));
    EXPECT_FALSE(IsWellFormedUtf8("Gr\xF6\xDF"
                                  "e"));
}

std::vector<ScriptLine> ReadAll(const std::string& script) {
    std::istringstream in(script);
    ScriptReader reader(in);
    std::vector<ScriptLine> lines;
    while (std::optional<ScriptLine> line = reader.Next()) {
        lines.push_back(*line);
    }
    return lines;
}

TEST(ScriptReader, SkipsBlankAndCommentLinesAndCountsEveryLine) {
    const std::vector<ScriptLine> lines = ReadAll("# comment\n\n \t \r\ntab\r\n  click 3\nshow");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].number, 4);
    EXPECT_EQ(lines[0].command, "tab");
    EXPECT_FALSE(lines[0].argument);
    EXPECT_EQ(lines[1].number, 5);
    EXPECT_EQ(lines[1].command, ""); // a leading space leaves the command empty
    EXPECT_EQ(lines[1].argument, " click 3");
    EXPECT_EQ(lines[2].number, 6);
    EXPECT_EQ(lines[2].command, "show");
}

TEST(ScriptReader, TakesTheArgumentAfterTheFirstSpaceAsItIs) {
    const std::vector<ScriptLine> lines =
        ReadAll("type 2  30 \r\nclick  3\ntab\ntab \nx\r\r\nlast\r");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].argument, "2  30 ");
    EXPECT_EQ(lines[1].argument, " 3");
    EXPECT_FALSE(lines[2].argument);
    EXPECT_EQ(lines[3].argument, "");
    EXPECT_EQ(lines[4].command, "x\r"); // only the CR right before the LF is dropped
    EXPECT_EQ(lines[5].command, "last\r");
}

} // namespace
