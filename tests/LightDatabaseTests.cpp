// Reading LightDatabase.csv: whole records, comments and empty lines, UTF-8 files, long lines,
// NUL bytes, the natural sort order, names cut to 255 bytes, what each field does to its
// quantity, and the limits of size and count.
#include "io/LightDatabase.h"
#include "support/NaturalTextOrder.h"
#include "support/TextList.h"
#include "tests/TemporaryFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The records of a database file with this content, in file order.
std::vector<std::string> RecordsOf(const std::string& content) {
    std::FILE* file = TemporaryFileHolding(content);
    TextList records;
    ReadDatabaseRecords(file, records);
    std::fclose(file);
    std::vector<std::string> texts;
    for (int i = 0; i < records.Count(); ++i) {
        texts.emplace_back(records.Text(i));
    }
    return texts;
}

std::string Repeated(const std::string& line, long times) {
    std::string text;
    text.reserve(line.size() * static_cast<std::size_t>(times));
    for (long i = 0; i < times; ++i) {
        text += line;
    }
    return text;
}

const char* const kExampleFile = ";Name;cd;lm;lux;Grad;sr;m2;m;m;W;lm/W\r\n"
                                 "\r\n"
                                 "LED 10W;*;806;;36;;;;;10\r\n"
                                 "Halogen 35W ;;600;;;;;;;35;*;;;;;;;2000;3,50\r\n"
                                 "LED 5W;;400;;120;;;;;5\r\n";

TEST(LightDatabase, KeepsRecordsWholeAndSkipsEmptyAndCommentLines) {
    EXPECT_EQ(RecordsOf(kExampleFile),
              (std::vector<std::string>{"LED 10W;*;806;;36;;;;;10\r\n",
                                        "Halogen 35W ;;600;;;;;;;35;*;;;;;;;2000;3,50\r\n",
                                        "LED 5W;;400;;120;;;;;5\r\n"}));
    EXPECT_TRUE(RecordsOf(";only a comment\r\n\r\n\n;another\n").empty());
    EXPECT_EQ(RecordsOf("   \nName;Lichtst\xE4rke\n").size(), 2u);
}

// Today's editors save UTF-8: a file with the byte order mark, or well-formed UTF-8 beyond
// ASCII, is read in Windows-1252 ('?' for what it cannot hold); any other file as it is.
TEST(LightDatabase, AFileInUtf8IsReadInWindows1252) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"\xEF\xBB\xBF;Name;cd\nLED;1\n", {"LED;1\n"}},
        {"B\xC3\xBCro-Rasterleuchte;1\n", {"B\xFCro-Rasterleuchte;1\n"}},
        {"Pfeil \xE2\x86\x92 \xE2\x82\xAC;1\n", {"Pfeil ? \x80;1\n"}},
        {"\xEF\xBB\xBF"
         "B\xFCro;1\n",
         {"B?ro;1\n"}},
        {"B\xFCro;1\nB\xC3\xBCro;2\n", {"B\xFCro;1\n", "B\xC3\xBCro;2\n"}},
        {"LED;1\n", {"LED;1\n"}},
    };
    for (const auto& [content, records] : cases) {
        EXPECT_EQ(RecordsOf(content), records) << content;
    }
}

TEST(LightDatabase, ReadsLongLinesInPiecesOf4094Bytes) {
    const std::vector<std::string> records = RecordsOf(std::string(5000, 'x') + "\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].size(), 4094u);
    EXPECT_EQ(records[1].size(), 5000u - 4094u + 1u);
}

TEST(LightDatabase, ALineStartingWithNulIsSkippedAndNulEndsARecordText) {
    EXPECT_TRUE(RecordsOf(std::string("\0LED;1\n", 7)).empty());
    EXPECT_EQ(RecordsOf(std::string("LED\0;1\n", 7)), std::vector<std::string>{"LED"});
}

TEST(LightDatabase, SortsWholeRecordsInNaturalOrder) {
    TextList records;
    for (const std::string& record : RecordsOf(kExampleFile)) {
        records.Insert(record.c_str(), -1);
    }
    records.Insert("LED;1\r\n", -1);
    records.Sort(0, -1, NaturalTextOrder);
    std::vector<std::string> names;
    for (int i = 0; i < records.Count(); ++i) {
        names.push_back(DatabaseRecordName(records.Text(i)));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Halogen 35W", "LED 5W", "LED 10W", "LED"}));
}

TEST(LightDatabase, NamesAreCutTo255BytesThenTrimmed) {
    EXPECT_EQ(DatabaseRecordName("Halogen 35W ;;600"), "Halogen 35W");
    EXPECT_EQ(DatabaseRecordName(" \tLED\r\n"), "LED");
    EXPECT_EQ(DatabaseRecordName("   \r\n"), "");
    EXPECT_EQ(DatabaseRecordName(";1;2"), "");
    EXPECT_EQ(DatabaseRecordName((std::string(254, 'a') + " b;1").c_str()), std::string(254, 'a'));
    EXPECT_EQ(DatabaseRecordName(std::string(300, 'n').c_str()), std::string(255, 'n'));
}

TEST(LightDatabase, FieldsFixReleaseOrLeaveTheirQuantity) {
    using Action = DatabaseField::Action;
    EXPECT_EQ(InterpretDatabaseField("").action, Action::Unchanged);
    EXPECT_EQ(InterpretDatabaseField(" \t\r\n").action, Action::Unchanged);
    EXPECT_EQ(InterpretDatabaseField("*").action, Action::Release);
    EXPECT_EQ(InterpretDatabaseField(" *12").action, Action::Release);
    const DatabaseField fixed = InterpretDatabaseField("  10\r\n");
    EXPECT_EQ(fixed.action, Action::Fix);
    EXPECT_STREQ(fixed.text, "10\r\n");
    EXPECT_EQ(InterpretDatabaseField("abc").action, Action::Fix);
}

TEST(LightDatabase, ReadsNothingBeyondItsLimits) {
    const std::string record = "LED;;806\n";
    const std::string comment = ";" + std::string(1022, 'x') + "\n"; // 1 KiB
    const struct {
        const char* what;
        std::string content;
        bool withinLimits;
    } cases[] = {
        {"as many records as allowed", Repeated(record, kMaximumDatabaseRecords), true},
        {"one record more", Repeated(record, kMaximumDatabaseRecords + 1), false},
        {"as many bytes as allowed", Repeated(comment, kMaximumDatabaseBytes / 1024), true},
        {"one byte more", Repeated(comment, kMaximumDatabaseBytes / 1024) + "\n", false},
    };
    for (const auto& c : cases) {
        std::FILE* file = TemporaryFileHolding(c.content);
        TextList records;
        EXPECT_EQ(ReadDatabaseRecords(file, records), c.withinLimits) << c.what;
        EXPECT_LE(records.Count(), kMaximumDatabaseRecords) << c.what;
        std::fclose(file);
    }
    // The limits hold for each database: a list with another one's records takes as many again.
    std::FILE* file = TemporaryFileHolding(Repeated(record, kMaximumDatabaseRecords));
    TextList both;
    both.Insert("Andere;;1\n", -1);
    EXPECT_TRUE(ReadDatabaseRecords(file, both));
    std::fclose(file);
}

} // namespace
