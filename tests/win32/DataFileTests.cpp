// "Speichern" and "Laden" through the system's real common file dialog.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "model/Quantity.h"
#include "resources/resource.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// The file-name box of an Explorer-style open or save dialog.
constexpr int kFileNameBox = 0x47C; // cmb13

// A click that opens a modal dialog is posted: the next step then runs inside its loop.
void ClickLater(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Types the name into the file dialog with that caption and confirms it, as a user does.
void ChooseFile(const std::string& caption, const std::string& name) {
    HWND fileDialog = FindDialog(caption);
    ASSERT_NE(fileDialog, nullptr) << caption;
    SetDlgItemTextA(fileDialog, kFileNameBox, name.c_str());
    PostMessageA(fileDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

std::string ReadWholeFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

class DataFileTest : public ProgramTest {
protected:
    void SetUp() override { std::remove(kFile); }
    void TearDown() override { std::remove(kFile); }

    static constexpr const char* kFile = "lumetrix-win32-test.lumx";
};

TEST_F(DataFileTest, SavesAndLoadsThroughTheCommonFileDialog) {
    const int beamAngle = QuantityAt(3).editId;
    const int illuminance = QuantityAt(2).editId;
    std::string saved;
    RunProgram({[&] { ClickLater(main, IDC_SAVE); }, [&] { ChooseFile("Daten speichern", kFile); },
                [&] {
                    saved = ReadWholeFile(kFile);
                    TypeInto(main, beamAngle, "50");
                    FocusControl(main, IDC_LOAD);
                    ClickLater(main, IDC_LOAD);
                },
                [&] { ChooseFile("Daten laden", kFile); },
                [&] {
                    EXPECT_EQ(TextOf(main, beamAngle), "36.0");
                    EXPECT_EQ(TextOf(main, illuminance), "482");
                }});
    EXPECT_EQ(saved.size(), 1073u);
    EXPECT_EQ(saved.substr(0, 20), "Lichtst\xE4ke          ");
    EXPECT_EQ(outcome.dialogsLeftOpen, 1); // only the main dialog
}

} // namespace
