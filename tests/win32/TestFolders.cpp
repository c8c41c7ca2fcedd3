// Every test of the suite works in a fresh folder of its own under the system's temporary
// folder, its current folder while it runs. The folder goes when the test ends, and the current
// folder returns to where the suite was started: the suite leaves nothing there, wherever it is
// started, and two runs at the same time share no files. A run of one test that another test
// starts in a process of its own (see FileTests.cpp) works in the folder that test names in
// LUMETRIX_TEST_FOLDER, and leaves it to that test.
#include "TestFolders.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// The test's name as a file name: parameterised tests have slashes in theirs.
std::string FolderName(const ::testing::TestInfo& test) {
    std::string name = std::string("lumetrix-") + test.test_suite_name() + "." + test.name();
    for (char& c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '.' && c != '-') {
            c = '_';
        }
    }
    return name + "-" + std::to_string(GetCurrentProcessId());
}

class TestFolders : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo& test) override {
        m_started = std::filesystem::current_path();
        if (const char* given = std::getenv(kTestFolderVariable)) {
            m_folder = given;
            m_own = false;
        } else {
            m_folder = std::filesystem::temp_directory_path() / FolderName(test);
            m_own = true;
            std::error_code ignored;
            std::filesystem::remove_all(m_folder, ignored);
            std::filesystem::create_directories(m_folder);
        }
        std::filesystem::current_path(m_folder);
    }

    void OnTestEnd(const ::testing::TestInfo&) override {
        std::filesystem::current_path(m_started);
        std::error_code failed;
        if (m_own &&
            std::filesystem::remove_all(m_folder, failed) == static_cast<std::uintmax_t>(-1)) {
            std::printf("the test's folder %s stays: %s\n", m_folder.string().c_str(),
                        failed.message().c_str());
        }
    }

private:
    std::filesystem::path m_started;
    std::filesystem::path m_folder;
    bool m_own = false;
};

[[maybe_unused]] const bool kTestFoldersListening = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new TestFolders);
    return true;
}();

} // namespace
