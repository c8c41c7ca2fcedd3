// The program's file functions on the system's own file system.
#include "SparseFile.h"
#include "TestFolders.h"

#include "framework/Files.h"
#include "framework/RollbackJournal.h"
#include "io/FileReplacement.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring Wide(const std::string& path) {
    return std::wstring(path.begin(), path.end());
}

std::string ReadWholeFile(const std::string& path) {
    std::FILE* file = OpenRegularFileForReading(path.c_str());
    std::string content;
    if (file != nullptr) {
        for (int c; (c = std::fgetc(file)) != EOF;) {
            content += static_cast<char>(c);
        }
        std::fclose(file);
    }
    return content;
}

// The names in a folder, through the long form that every folder allows.
std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((L"\\\\?\\" + Wide(folder) + L"\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            names.emplace_back(name.begin(), name.end());
        }
    }
    FindClose(search);
    return names;
}

// A path of 255 characters in a folder of its own, whose short file name makes the save's
// temporary file cross MAX_PATH.
TEST(Files, APathOf255CharactersSavesAndLoads) {
    char current[MAX_PATH];
    ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, current), 0u);
    const std::string name = "x.lumx";
    const std::string folder = std::string(current) + "\\" +
                               std::string(255 - std::strlen(current) - 2 - name.size(), 'f');
    const std::string path = folder + "\\" + name;
    ASSERT_EQ(path.size(), 255u);
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + Wide(folder)).c_str(), nullptr));

    EXPECT_TRUE(ReplaceFileContent(path, "new file"));
    EXPECT_TRUE(ReplaceFileContent(path, "replaced"));
    EXPECT_EQ(ReadWholeFile(path), "replaced");
    EXPECT_EQ(FileNames(folder), std::vector<std::string>{name});

    DeleteFileW((L"\\\\?\\" + Wide(path)).c_str());
    EXPECT_TRUE(RemoveDirectoryW((L"\\\\?\\" + Wide(folder)).c_str()));
}

TEST(Files, ASaveKeepsTheFilesAttributes) {
    const std::string path = "lumetrix-attributes-test.lumx";
    ASSERT_TRUE(ReplaceFileContent(path, "old"));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_TRUE(ReplaceFileContent(path, "new"));
    EXPECT_EQ(ReadWholeFile(path), "new");
    EXPECT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

TEST(Files, DevicesAreNoFilesToRead) {
    for (const char* device : {"Z:\\dev\\zero", "Z:\\dev\\urandom", "NUL", "CON"}) {
        EXPECT_EQ(OpenRegularFileForReading(device), nullptr) << device;
    }
}

// Set in a run under a file size limit: names the file where the run writes its process id.
constexpr const char* kSizeLimitRun = "LUMETRIX_FILE_SIZE_LIMIT";

// Whether this process is a run under a file size limit; if so, its starter learns its id.
bool IsRunUnderFileSizeLimit() {
    const char* idFile = std::getenv(kSizeLimitRun);
    if (idFile == nullptr) {
        return false;
    }
    ReplaceFileContent(idFile, std::to_string(GetCurrentProcessId()));
    return true;
}

// Runs a test in a Wine process of its own under a file size limit (bash's ulimit -f, in KiB),
// in this test's folder. With `signalIgnored` SIGXFSZ is ignored, so that a write beyond the
// limit fails; otherwise the signal ends the process, as it does by default. Wine starts Unix
// programs as well, but can neither wait for them nor tell their exit code: the run tells its
// process id (see IsRunUnderFileSizeLimit), which is waited for, and reports through gtest's
// XML report; bash leaves the exit status in a file, which tells at once of a run that ended
// before it could tell its id. Its output goes nowhere: written to a log file longer than the
// limit, it would meet the limit. Returns the report, empty when the process wrote none.
std::string RunUnderFileSizeLimit(const char* test, int kibibytes, bool signalIgnored) {
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    wchar_t exe[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    char* unixExe = unixFileName != nullptr ? unixFileName(exe) : nullptr;
    if (unixExe == nullptr) {
        ADD_FAILURE() << "no Unix name for the suite: a run under a file size limit needs Wine";
        return "";
    }
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, folder);
    const std::string report = "lumetrix-size-limit-report.xml";
    const std::string idFile = "lumetrix-size-limit-run.id";
    const std::string statusFile = "lumetrix-size-limit-run.status";
    std::string command =
        std::string("Z:\\bin\\bash -c \"") + (signalIgnored ? "trap '' XFSZ; " : "") +
        "ulimit -f " + std::to_string(kibibytes) + "; " + kSizeLimitRun + "=" + idFile + " " +
        kTestFolderVariable + "='" + folder + "' wine '" + unixExe + "' --gtest_filter=" + test +
        " --gtest_output=xml:" + report + " >/dev/null 2>&1; echo $? >" + statusFile + "\"";
    HeapFree(GetProcessHeap(), 0, unixExe);
    STARTUPINFOA startUp{};
    startUp.cb = sizeof startUp;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startUp, &process)) {
        ADD_FAILURE() << "bash could not start: error " << GetLastError();
        return "";
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DWORD run = 0;
    // Wine starts and ends its programs in seconds; the bounds are far beyond that, so that a
    // loaded machine never fails a correct run.
    for (int waited = 0; waited < 1800 && run == 0; ++waited) {
        if (GetFileAttributesA(statusFile.c_str()) != INVALID_FILE_ATTRIBUTES) {
            ADD_FAILURE() << "the run ended before it started the test, exit status "
                          << ReadWholeFile(statusFile);
            return "";
        }
        Sleep(100);
        run = std::strtoul(ReadWholeFile(idFile).c_str(), nullptr, 10);
    }
    if (run == 0) {
        ADD_FAILURE() << "the run did not start the test within three minutes";
        return "";
    }
    if (HANDLE running = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, run)) {
        if (WaitForSingleObject(running, 180000) != WAIT_OBJECT_0) {
            ADD_FAILURE() << "the run did not end within three minutes";
            TerminateProcess(running, 1);
        }
        CloseHandle(running);
    }
    // bash ends last: nothing may write into the test's folder once the test has ended.
    for (int waited = 0; waited < 1200; ++waited) {
        if (GetFileAttributesA(statusFile.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return ReadWholeFile(report);
        }
        Sleep(100);
    }
    ADD_FAILURE() << "bash did not end within two minutes of the run";
    return ReadWholeFile(report);
}

bool Passed(const std::string& report) {
    return report.find("tests=\"1\" failures=\"0\"") != std::string::npos;
}

// The save for folders where no new file can be made writes over the file itself: when a
// write fails, as under a file size limit or on a full disk, the old bytes are put back.
TEST(Files, AnInPlaceSaveThatFailsKeepsTheOldBytes) {
    if (!IsRunUnderFileSizeLimit()) {
        EXPECT_TRUE(
            Passed(RunUnderFileSizeLimit("Files.AnInPlaceSaveThatFailsKeepsTheOldBytes", 1, true)));
        return;
    }
    const std::string path = "lumetrix-in-place-test.lumx";
    const std::string old(51, 'o');
    for (const std::string& content : {std::string(1073, 'n'), std::string(2000, 'n')}) {
        ASSERT_TRUE(ReplaceFileContent(path, old));
        EXPECT_FALSE(OverwriteFile(Wide(path), content)) << content.size();
        EXPECT_EQ(ReadWholeFile(path), old) << content.size();
    }
    EXPECT_TRUE(OverwriteFile(Wide(path), "within the limit"));
    EXPECT_EQ(ReadWholeFile(path), "within the limit");
    DeleteFileA(path.c_str());
}

// A save in place killed by the file size limit, with the signal's default action, as a shell's
// ulimit -f does it: afterwards, once the next start has looked at the journal, the file holds
// its old or its new bytes, and no journal is left.
TEST(Files, AnInPlaceSaveKilledByTheFileSizeLimitLeavesTheOldOrTheNewBytes) {
    const std::string path = "lumetrix-killed-test.lumx";
    const std::string started = "lumetrix-killed-test.started";
    const std::string content(1073, 'n');
    if (IsRunUnderFileSizeLimit()) {
        ReplaceFileContent(started, "");
        OverwriteFile(Wide(path), content);
        return;
    }
    const std::string old(20, 'o');
    ASSERT_TRUE(ReplaceFileContent(path, old));
    DeleteFileA(started.c_str());
    const std::string report = RunUnderFileSizeLimit(
        "Files.AnInPlaceSaveKilledByTheFileSizeLimitLeavesTheOldOrTheNewBytes", 1, false);
    EXPECT_NE(GetFileAttributesA(started.c_str()), INVALID_FILE_ATTRIBUTES) << "never saved";
    EXPECT_TRUE(RestoreInterruptedSaves().empty());
    const std::string left = ReadWholeFile(path);
    EXPECT_TRUE(left == old || (left == content && Passed(report))) << left.size() << " bytes";
    EXPECT_TRUE(FilesInFolder(JournalFolder(), kJournalPrefix, kJournalSuffix).empty());
    DeleteFileA(path.c_str());
    DeleteFileA(started.c_str());
}

// Saving in place over a file of 300 MB copies its old bytes in pieces: the 32-bit program never
// holds them whole, and the journal stays as sparse as the file.
TEST(Files, AnInPlaceSaveOverAFileOf300MegabytesCopiesItInPieces) {
    const std::string path = "lumetrix-large-test.lumx";
    ASSERT_TRUE(MakeSparseFile(path, 300LL << 20));
    const std::string content(1073, 'n');
    EXPECT_TRUE(OverwriteFile(Wide(path), content));
    EXPECT_EQ(ReadWholeFile(path), content);
    EXPECT_TRUE(FilesInFolder(JournalFolder(), kJournalPrefix, kJournalSuffix).empty());
    DeleteFileA(path.c_str());
}

} // namespace
