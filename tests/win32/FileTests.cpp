// The program's file functions on the system's own file system.
#include "framework/Files.h"
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

// Runs a test in a Wine process of its own under a file size limit (bash's ulimit -f, in KiB,
// with SIGXFSZ ignored so that a write beyond it fails instead of ending the process). Wine
// starts Unix programs as well, but cannot tell their exit code: the run reports through
// gtest's XML report. True when the test ran and passed.
bool PassesUnderFileSizeLimit(const char* test, int kibibytes) {
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    wchar_t exe[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    char* unixExe = unixFileName != nullptr ? unixFileName(exe) : nullptr;
    if (unixExe == nullptr)
        return false;
    const std::string report = "lumetrix-size-limit-report.xml";
    DeleteFileA(report.c_str());
    std::string command = "Z:\\bin\\bash -c \"trap '' XFSZ; ulimit -f " +
                          std::to_string(kibibytes) + "; LUMETRIX_FILE_SIZE_LIMIT=1 exec wine '" +
                          unixExe + "' --gtest_filter=" + test + " --gtest_output=xml:" + report +
                          "\"";
    HeapFree(GetProcessHeap(), 0, unixExe);
    STARTUPINFOA startUp{};
    startUp.cb = sizeof startUp;
    PROCESS_INFORMATION process{};
    CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startUp,
                   &process);
    std::string result;
    for (int waited = 0; waited < 600 && result.find("</testsuites>") == std::string::npos;
         ++waited) {
        Sleep(100);
        result = ReadWholeFile(report);
    }
    DeleteFileA(report.c_str());
    return result.find("tests=\"1\" failures=\"0\"") != std::string::npos;
}

// The save for folders where no new file can be made writes over the file itself: when a
// write fails, as under a file size limit or on a full disk, the old bytes are put back.
TEST(Files, AnInPlaceSaveThatFailsKeepsTheOldBytes) {
    if (std::getenv("LUMETRIX_FILE_SIZE_LIMIT") == nullptr) {
        EXPECT_TRUE(PassesUnderFileSizeLimit("Files.AnInPlaceSaveThatFailsKeepsTheOldBytes", 1));
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

} // namespace
