#include "cli/ScriptPlayer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

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
    const fs::path folder = fs::temp_directory_path() / "lumetrix-cli-round-trip";
    fs::remove_all(folder);
    fs::create_directories(folder);

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
    const fs::path folder = fs::temp_directory_path() / "lumetrix-cli-long-path";
    fs::remove_all(folder);
    const std::string relative = std::string(200, 'd') + "/" + std::string(100, 'n') + ".lumx";
    fs::create_directories(folder / std::string(200, 'd'));
    EXPECT_EQ(Play(folder, "save " + relative + "\n"), "");
    EXPECT_EQ(fs::file_size(folder / relative), 1073u);
    fs::remove_all(folder);
}

} // namespace
