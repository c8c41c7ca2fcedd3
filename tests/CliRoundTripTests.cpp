// lumetrix-cli as a separate process: a calculation saved in one run loads into the next, long
// relative paths, a torn file restored at the start, and a save refused by the file size limit.
#include "cli/ScriptPlayer.h"
#include "tests/TestFolder.h"
#include "tests/TornSave.h"
#include "tests/WholeFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

// Runs a script through the driver in `folder` and returns what it printed.
std::string Play(const fs::path& folder, const std::string& script) {
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream errors;
    EXPECT_EQ(PlayScript(in, out, errors), kScriptCompleted);
    EXPECT_EQ(errors.str(), "");
    fs::current_path(previous);
    return out.str();
}

TEST(CliRoundTrip, ACalculationSavedInOneRunLoadsIntoTheNext) {
    const fs::path folder = FreshTestFolder("lumetrix-cli-");

    const std::string shownBeforeSaving = Play(folder, "click 2\n"
                                                       "type 2 300\n"
                                                       "click 9\n"
                                                       "type 9 80,5\n"
                                                       "tab\n"
                                                       "show\n"
                                                       "save calc.lumx\n");
    const std::string shownAfterLoading = Play(folder, "load calc.lumx\n"
                                                       "show\n");
    EXPECT_EQ(shownAfterLoading, shownBeforeSaving);
    EXPECT_NE(shownAfterLoading.find("2\t300\tgiven\t1\t0\t300\n"), std::string::npos);
    EXPECT_NE(shownAfterLoading.find("9\t80.50\tgiven\t1\t0\t80.5\n"), std::string::npos);
    fs::remove_all(folder);
}

// A relative path longer than the Windows dialogs take names exactly that file.
TEST(CliRoundTrip, ALongRelativePathSavesExactlyThatFile) {
    const fs::path folder = FreshTestFolder("lumetrix-cli-");
    const std::string relative = std::string(200, 'd') + "/" + std::string(100, 'n') + ".lumx";
    fs::create_directories(folder / std::string(200, 'd'));
    EXPECT_EQ(Play(folder, "save " + relative + "\n"), "");
    EXPECT_EQ(fs::file_size(folder / relative), 1123u);
    fs::remove_all(folder);
}

// A file that a save in place left torn has its old bytes again when the driver starts, and the
// driver says so before anything else.
TEST(CliRoundTrip, AtTheStartATornFileGetsItsOldBytesBackAndItIsSaid) {
    const fs::path folder = FreshTestFolder("lumetrix-cli-");
    const JournalFolderOfTheTest temporary(folder / "tmp");
    Play(folder, "save plan.lumx\n");
    const std::string old = ReadWholeFile(folder / "plan.lumx");
    LeaveTornSave(folder / "plan.lumx", std::string(2000, 'n'), 1500);
    const std::string shown = Play(folder, "tick\n");
    EXPECT_EQ(shown,
              "message\tFehler\t48\tDas Speichern der Datei '" +
                  fs::canonical(folder / "plan.lumx").string() +
                  "' wurde unterbrochen !\\nIhr vorheriger Inhalt wurde wiederhergestellt.\n");
    EXPECT_EQ(ReadWholeFile(folder / "plan.lumx"), old);
    EXPECT_EQ(Play(folder, "tick\n"), "");
    fs::remove_all(folder);
}

// Under a file size limit (ulimit -f) a save fails as on a full disk and says so; the driver
// is not ended by the signal.
TEST(CliRoundTrip, UnderAFileSizeLimitASaveFailsAndSaysSo) {
    const fs::path folder = FreshTestFolder("lumetrix-cli-");
    WriteWholeFile(folder / "save.script", "save plan.lumx\n");
    // A driver that hangs is ended after two minutes, far beyond the moment a save takes.
    const std::string command =
        "cd '" + folder.string() +
        "' && ulimit -f 1 && exec timeout --kill-after=10 120 '" LUMETRIX_CLI "' save.script";
    std::FILE* run = ::popen(command.c_str(), "r");
    ASSERT_NE(run, nullptr);
    std::string shown;
    char piece[256];
    for (std::size_t got; (got = std::fread(piece, 1, sizeof piece, run)) > 0;) {
        shown.append(piece, got);
    }
    const int status = ::pclose(run);
    ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 124)
        << "lumetrix-cli did not end within 120 s of the save";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(shown, "message\tFehler\t16\tDie Datei konnte nicht gespeichert werden !\n");
    EXPECT_FALSE(fs::exists(folder / "plan.lumx"));
    fs::remove_all(folder);
}

} // namespace
