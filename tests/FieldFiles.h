// Photometric files from the field: makers' files and files passed around among planners,
// kept beside the repository, not in it (the build names the folder: LUMETRIX_FIELD_PHOTOMETRY).
#ifndef LUMETRIX_TESTS_FIELDFILES_H
#define LUMETRIX_TESTS_FIELDFILES_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline const std::filesystem::path kFieldFiles = LUMETRIX_FIELD_PHOTOMETRY;

// Why a test that needs the files does not run, and how to give it them.
inline std::string WithoutFieldFiles() {
    return "no folder " + kFieldFiles.string() +
           ": it is the photometry folder of the project's shared folder, which lies beside the "
           "repository; elsewhere configure with -DLUMETRIX_FIELD_PHOTOMETRY=FOLDER";
}

// True when the folder is there. A test without it is skipped on a developer's machine, but
// fails under CI (the variable CI set), where a missing folder would hide the test for good.
inline bool HaveFieldFiles() {
    if (std::filesystem::is_directory(kFieldFiles)) {
        return true;
    }
    if (std::getenv("CI") != nullptr) {
        ADD_FAILURE() << WithoutFieldFiles();
    }
    return false;
}

#endif
