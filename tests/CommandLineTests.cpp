// The program's command line: the first argument split as the C runtime splits argv.
#include "support/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLineTest, FirstArgumentIsSplitAsTheRuntimeSplitsArgv) {
    const struct {
        const char* line;
        const char* first;
    } kCases[] = {
        {"", ""},
        {" \t ", ""},
        {"\"\"", ""},
        {"plan.lumx", "plan.lumx"},
        {"  plan.lumx  zweite.lumx", "plan.lumx"},
        {"C:\\Daten\\plan.lumx", "C:\\Daten\\plan.lumx"},
        {"\"C:\\Eigene Dateien\\B\xFC"
         "ro \xE4.lumx\" \"zweite.lumx\"",
         "C:\\Eigene Dateien\\B\xFC"
         "ro \xE4.lumx"},
        {"C:\\Eigene\" \"Dateien\\plan.lumx", "C:\\Eigene Dateien\\plan.lumx"},
        {"\"C:\\Ordner\\\\\" x", "C:\\Ordner\\"},
        {"a\\\"b", "a\"b"},
        {"a\\\\\\\"b", "a\\\"b"},
        {"\"a\"\"b\" c", "a\"b"},
        {"\"offen bis zum Ende", "offen bis zum Ende"},
        {"\tplan.lumx\t", "plan.lumx"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(FirstCommandLineArgument(c.line), c.first) << c.line;
    }
}

} // namespace
