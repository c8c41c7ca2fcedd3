// "Speichern" and "Laden" through the system's real common file dialog.
#include "DialogUser.h"
#include "ProgramTest.h"
#include "SparseFile.h"
#include "SystemFileDialogs.h"

#include "model/Quantity.h"
#include "resources/resource.h"
#include "tests/WholeFiles.h"
#include "ui/QuantityControls.h"

#include <cstdio>
#include <string>

namespace {

class DataFileTest : public ProgramTest {
protected:
    void SetUp() override { std::remove(path.c_str()); }
    void TearDown() override { std::remove(path.c_str()); }

    void SavesAndLoads();

    const std::string path = FullPath("lumetrix-win32-test.lumx");
};

void DataFileTest::SavesAndLoads() {
    const int beamAngle = ControlsOf(kBeamAngle).editId;
    const int illuminance = ControlsOf(kIlluminance).editId;
    std::string saved;
    RunProgram({[&] { ClickLater(main, IDC_SAVE); }, [&] { ChooseFile("Daten speichern", path); },
                [&] {
                    saved = ReadWholeFile(path);
                    TypeInto(main, beamAngle, "50");
                    FocusControl(main, IDC_LOAD);
                    ClickLater(main, IDC_LOAD);
                },
                [&] { ChooseFile("Daten laden", path); },
                [&] {
                    EXPECT_EQ(TextOf(main, beamAngle), "36.0");
                    EXPECT_EQ(TextOf(main, illuminance), "482");
                }});
    EXPECT_EQ(saved.size(), 1123u);
    EXPECT_EQ(saved.substr(0, 20), "Lichtst\xE4ke          ");
    EXPECT_EQ(outcome.dialogsLeftOpen, 1); // only the main dialog
}

TEST_F(DataFileTest, SavesAndLoadsThroughTheCommonFileDialog) {
    SavesAndLoads();
}

TEST_F(DataFileTest, SavesAndLoadsWithoutTheFileDialogExtension) {
    SystemFileDialogs leftOut;
    SavesAndLoads();
}

// A file of 300 MB is no calculation: loading refuses it with a word, and the program goes on.
TEST_F(DataFileTest, AFileOf300MegabytesIsRefusedOnLoading) {
    ASSERT_TRUE(MakeSparseFile(path, 300LL << 20));
    std::string message;
    bool mainOpen = false;
    RunProgram({[&] { ClickLater(main, IDC_LOAD); }, [&] { ChooseFile("Daten laden", path); },
                [&] {
                    HWND box = FindDialog("Fehler");
                    message = box != nullptr ? TextOf(box, 0xFFFF) : "(none)";
                    PostMessageA(box, WM_COMMAND, IDOK, 0);
                },
                [&] { mainOpen = IsWindow(main); }});
    EXPECT_EQ(message, "Die Datei ist zu gro\xDF !\nErlaubt sind h\xF6"
                       "chstens 4 MB.");
    EXPECT_TRUE(mainOpen);
}

} // namespace
