#ifndef LUMETRIX_TESTS_TESTFOLDER_H
#define LUMETRIX_TESTS_TESTFOLDER_H

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

// A fresh, empty folder for the running test, named after it and after this process, so that
// tests never share files, not even two runs of the same test at the same time. The fixture
// removes it again.
inline std::filesystem::path FreshTestFolder(const std::string& prefix) {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (prefix + test + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

#endif
