// What the user waits for, timed next to its anchor in the same run: the "Datenbank" button
// until the choice dialog shows, and the choice list's fill with its redrawing on and off. Not
// timed tests: the figures are printed, and the goals are checked by reading them. Start-up
// next to a minimal dialog program is timed by bench/win32/StartUpTimes.cpp.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "bench/win32/Stopwatch.h"
#include "resources/resource.h"
#include "ui/ChoiceDialogTemplate.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Lamp names as a large database has them: a few kinds, many wattages and numbers.
std::string LampLine(int i) {
    const char* const kinds[] = {"LED-Lampe E27", "LED-Spot GU10", "Halogen",
                                 "Leuchtstoffroehre T8"};
    char line[160];
    std::snprintf(line, sizeof line, "%s %dW Nr. %d;*;%d;;%d;;;;;%d;*;;;;;;;%d;%d,%02d\r\n",
                  kinds[i % 4], (i * 37) % 60 + 3, (i * 7919) % 100000, (i * 13) % 3000 + 100,
                  (i % 12) * 10 + 10, (i * 37) % 60 + 3, (i % 5) * 5000 + 2000, i % 20, i % 100);
    return line;
}

class WaitingTimesTest : public ProgramTest {
protected:
    void TearDown() override { std::remove("LightDatabase.csv"); }

    static void WriteDatabase(int records) {
        std::FILE* file = std::fopen("LightDatabase.csv", "wb");
        ASSERT_NE(file, nullptr);
        for (int i = 0; i < records; ++i) {
            std::fputs(LampLine(i).c_str(), file);
        }
        std::fclose(file);
    }
};

// From the click on "Datenbank" to the choice dialog shown and idle: the steps of a script
// run only once the dialog's loop has shown it and found nothing more to do.
TEST_F(WaitingTimesTest, DatabaseButtonUntilTheChoiceDialogShows) {
    for (int records : {33, 10000, 100000}) {
        WriteDatabase(records);
        std::vector<double> times;
        for (int run = 0; run < 3; ++run) {
            LARGE_INTEGER start{};
            LRESULT listed = 0;
            RunProgram({[&] {
                            start = Now();
                            ClickLater(main, IDC_DATABASE);
                        },
                        [&] {
                            times.push_back(MillisecondsSince(start));
                            HWND choice = FindDialog("Datenbank");
                            ASSERT_NE(choice, nullptr);
                            listed =
                                SendDlgItemMessageA(choice, IDC_CHOICE_LIST, CB_GETCOUNT, 0, 0);
                            PressKey(VK_ESCAPE);
                        }});
            EXPECT_EQ(listed, records);
        }
        std::printf("\"Datenbank\" to choice dialog on screen, %d records: median %.1f ms\n",
                    records, Median(times));
    }
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

double FillList(HWND list, const std::vector<std::string>& names, bool redrawOff) {
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    const LARGE_INTEGER start = Now();
    if (redrawOff) {
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        SendMessageA(list, CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(names[i].c_str()));
    }
    if (redrawOff) {
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
    return MillisecondsSince(start);
}

// The choice dialog's list, filled as the dialog fills it before it first shows.
TEST(WaitingTimes, ChoiceListFillWithItsRedrawingOnAndOff) {
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), ChoiceDialogTemplate(),
                                             nullptr, QuietDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IDC_CHOICE_LIST);
    for (int count : {10000, 100000}) {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) {
            const std::string line = LampLine(i);
            names.push_back(line.substr(0, line.find(';')));
        }
        const double redrawing = FillList(list, names, false);
        const double quiet = FillList(list, names, true);
        EXPECT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), count);
        std::printf("choice list filled with %d names: %.1f ms with its redrawing off "
                    "(%.1f ms redrawing)\n",
                    count, quiet, redrawing);
    }
    DestroyWindow(dialog);
}

} // namespace
