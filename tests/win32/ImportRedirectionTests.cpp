// Start-up puts the file dialog extension in front of the system's file dialogs by rewriting
// the program's import address table.
#include "SystemFileDialogs.h"

#include "app/LibraryInit.h"
#include "app/win32/ImportTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ImportRedirectionTest, LumetrixExeImportsBothFileDialogsFromComdlg32) {
    HMODULE program = LoadLibraryExA(LUMETRIX_EXE, nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(program, nullptr) << LUMETRIX_EXE;
    std::set<std::string> imported;
    ForEachCommonDialogImport(program, [&](const char* name, FARPROC*) { imported.insert(name); });
    FreeLibrary(program);
    EXPECT_EQ(imported.count("GetOpenFileNameA"), 1u);
    EXPECT_EQ(imported.count("GetSaveFileNameA"), 1u);
}

TEST(ImportRedirectionTest, StartUpRedirectsTheSuitesOwnFileDialogsAgainAndAgain) {
    HMODULE library = GetModuleHandleA("comdlg32.dll");
    const std::set<FARPROC> system = {GetProcAddress(library, "GetOpenFileNameA"),
                                      GetProcAddress(library, "GetSaveFileNameA")};
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(InitLibrary(nullptr), 1);
        const std::vector<FARPROC> entries = SystemFileDialogs::CurrentEntries();
        ASSERT_EQ(entries.size(), 2u);
        for (FARPROC entry : entries) {
            EXPECT_EQ(system.count(entry), 0u);
        }
    }
}

} // namespace
