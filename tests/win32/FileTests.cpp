// The program's file functions on the system's own file system.
#include "framework/Files.h"
#include "io/FileReplacement.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
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

} // namespace
