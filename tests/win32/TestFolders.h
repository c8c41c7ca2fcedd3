// The folders the suite's tests work in: a fresh one for each test (see TestFolders.cpp).
#ifndef LUMETRIX_TESTS_WIN32_TESTFOLDERS_H
#define LUMETRIX_TESTS_WIN32_TESTFOLDERS_H

// Set for a run of one test that another test starts: the folder of the test that started it,
// which the run then works in too.
constexpr const char* kTestFolderVariable = "LUMETRIX_TEST_FOLDER";

#endif
