// The main dialog on the headless window system: the start-up state, colours and system menu,
// typing, ticking, Enter, Escape, Tab and leaving a field, the focus tracking, the about box
// and the icon drawn when minimised.
#include "framework/headless/Desktop.h"
#include "resources/resource.h"
#include "ui/MainDialog.h"
#include "ui/QuantityControls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

constexpr COLORREF kLightBlue = RGB(220, 220, 255);
constexpr COLORREF kLightYellow = RGB(255, 255, 200);

const char* const kBeamAngleHelp =
    "Ist der Winkel mit dem das Licht von der Lichtquelle abgestrahlt wird.";

int EditOf(int q) {
    return ControlsOf(q).editId;
}
int CheckboxOf(int q) {
    return ControlsOf(q).checkboxId;
}

class MainDialogTest : public ::testing::Test {
protected:
    // Runs the dialog with `driver` as its user; returns what DoModal returned.
    INT_PTR Run(const std::function<void()>& driver) { return desktop.Run(dialog, driver); }

    std::string HelpPanel() const {
        std::string text;
        dialog.GetDlgItem(IDC_HELP_TEXT)->GetWindowText(text);
        return text;
    }

    headless::Desktop desktop;
    MainDialog dialog;
};

TEST_F(MainDialogTest, StartsWithTheWorkedExampleInItsFields) {
    const char* const expected[kQuantityCount] = {
        "3 252", "1 000.0", "482",   "36.0",   "0.308", "2.07",    "2.50", "1.62",
        "20.00", "50.00",   "20.00", "5.0",    "300",   "1 500.0", "500",  "17.9",
        "2 000", "2.00",    "0.19",  "128.57", "80",    "70",      "1.00",
    };
    Run([&] {
        for (int q = 0; q < kQuantityCount; ++q) {
            EXPECT_EQ(desktop.Text(EditOf(q)), expected[q]) << "quantity " << q;
        }
    });
}

TEST_F(MainDialogTest, StartsWithFourteenGivenAndNineComputedFields) {
    const bool computed[kQuantityCount] = {true,  false, true,  false, true,  true,  false, true,
                                           false, true,  false, false, false, true,  false, true,
                                           false, false, false, true,  false, false, false};
    Run([&] {
        for (int q = 0; q < kQuantityCount; ++q) {
            SCOPED_TRACE("quantity " + std::to_string(q));
            EXPECT_EQ(dialog.Store().computed[q] != 0, computed[q]);
            EXPECT_EQ(dialog.Store().given[q] != 0, !computed[q]);
            EXPECT_EQ(desktop.IsChecked(CheckboxOf(q)), !computed[q]);
            EXPECT_EQ(desktop.IsReadOnly(EditOf(q)), computed[q]);
            const headless::ControlColours colours = desktop.ColoursOf(EditOf(q));
            const COLORREF colour = computed[q] ? kLightBlue : kLightYellow;
            EXPECT_EQ(colours.brush, colour);
            EXPECT_EQ(colours.background, colour);
        }
    });
}

TEST_F(MainDialogTest, StartsWithFocusOnLichtstaerkeAndNothingShownYet) {
    Run([&] {
        EXPECT_EQ(desktop.FocusId(), IDC_EDIT_INTENSITY);
        EXPECT_EQ(dialog.LastShownQuantity(), -1);
        EXPECT_EQ(desktop.ImageId(IDC_PICTURE), 0);
        EXPECT_EQ(HelpPanel(), "");
        EXPECT_EQ(desktop.TimerPeriod(200), 250u);
        EXPECT_EQ(desktop.IconId(true), IDR_MAINFRAME);
        EXPECT_EQ(desktop.IconId(false), IDR_MAINFRAME);
        EXPECT_EQ(desktop.Caption(), "Lumetrix");
    });
}

TEST_F(MainDialogTest, AddsTheAboutItemAndTheRoomItemToTheSystemMenu) {
    Run([&] {
        const std::vector<headless::MenuItem> menu = desktop.SystemMenu();
        ASSERT_GE(menu.size(), 3u);
        EXPECT_EQ(menu[menu.size() - 3].flags & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(menu[menu.size() - 2].id, static_cast<UINT_PTR>(IDM_ABOUTBOX));
        EXPECT_EQ(menu[menu.size() - 2].text, "Inf&o \xFC"
                                              "ber Lumetrix...");
        EXPECT_EQ(menu.back().id, static_cast<UINT_PTR>(IDM_ROOM));
        EXPECT_EQ(menu.back().text, "&Raumwirkungsgrad berechnen...");
    });
}

TEST_F(MainDialogTest, OtherControlsKeepTheBaseColours) {
    Run([&] {
        for (int id : {IDC_GIVEN_INTENSITY, IDC_GIVEN_FLUX, IDC_HELP_TEXT, IDC_LOAD}) {
            const headless::ControlColours colours = desktop.ColoursOf(id);
            for (COLORREF roleColour : {kLightBlue, kLightYellow}) {
                EXPECT_NE(colours.brush, roleColour) << id;
                EXPECT_NE(colours.background, roleColour) << id;
            }
        }
    });
}

// Abstrahlwinkel may not exceed 120. While it is typed the field keeps its text and the fields
// that follow from it show 1, 17 and then the clamped 120; leaving it formats it.
TEST_F(MainDialogTest, TypingAnOutOfRangeBeamAngleClampsOnlyWhenTheFieldIsLeft) {
    Run([&] {
        desktop.Type(IDC_EDIT_BEAM_ANGLE, "1");
        EXPECT_EQ(desktop.Text(IDC_EDIT_BEAM_ANGLE), "1");
        EXPECT_EQ(desktop.Text(IDC_EDIT_SOLID_ANGLE), "0.000");
        EXPECT_EQ(desktop.Text(IDC_EDIT_DIAMETER), "0.04");

        desktop.Type(IDC_EDIT_BEAM_ANGLE, "17");
        EXPECT_EQ(desktop.Text(IDC_EDIT_BEAM_ANGLE), "17");
        EXPECT_EQ(desktop.Text(IDC_EDIT_SOLID_ANGLE), "0.069");
        EXPECT_EQ(desktop.Text(IDC_EDIT_DIAMETER), "0.75");

        desktop.Type(IDC_EDIT_BEAM_ANGLE, "170");
        EXPECT_EQ(desktop.Text(IDC_EDIT_BEAM_ANGLE), "170");
        EXPECT_EQ(desktop.Text(IDC_EDIT_SOLID_ANGLE), "3.142");
        EXPECT_EQ(desktop.Text(IDC_EDIT_DIAMETER), "8.66");
        EXPECT_EQ(dialog.Store().value[kBeamAngle], 120);

        desktop.Tab();
        EXPECT_EQ(desktop.FocusId(), IDC_EDIT_SOLID_ANGLE);
        EXPECT_EQ(desktop.Text(IDC_EDIT_BEAM_ANGLE), "120.0");
    });
}

TEST_F(MainDialogTest, TickingBeleuchtungsstaerkeThenTypingRecomputesLichtstrom) {
    Run([&] {
        desktop.Click(IDC_GIVEN_ILLUMINANCE);
        EXPECT_TRUE(desktop.IsChecked(IDC_GIVEN_ILLUMINANCE));
        EXPECT_FALSE(desktop.IsReadOnly(IDC_EDIT_ILLUMINANCE));
        EXPECT_FALSE(desktop.IsChecked(IDC_GIVEN_FLUX));
        EXPECT_TRUE(desktop.IsReadOnly(IDC_EDIT_FLUX));
        EXPECT_EQ(desktop.ColoursOf(IDC_EDIT_FLUX).brush, kLightBlue);
        EXPECT_EQ(desktop.ColoursOf(IDC_EDIT_ILLUMINANCE).brush, kLightYellow);
        EXPECT_EQ(desktop.Text(IDC_EDIT_FLUX), "1 000.0"); // roles change, values not yet

        // Lichtstrom = illuminance * lit area, the area from the 36 degree cone at 2.5 m.
        desktop.Type(IDC_EDIT_ILLUMINANCE, "3");
        EXPECT_EQ(desktop.Text(IDC_EDIT_FLUX), "6.2");
        desktop.Type(IDC_EDIT_ILLUMINANCE, "30");
        EXPECT_EQ(desktop.Text(IDC_EDIT_FLUX), "62.2");
        desktop.Type(IDC_EDIT_ILLUMINANCE, "300");
        EXPECT_EQ(desktop.Text(IDC_EDIT_ILLUMINANCE), "300");
        EXPECT_EQ(desktop.Text(IDC_EDIT_FLUX), "621.9");
        EXPECT_EQ(desktop.Text(IDC_EDIT_INTENSITY), "2 022");
        EXPECT_EQ(desktop.Text(IDC_EDIT_EFFICACY), "31.09");
        EXPECT_EQ(desktop.Text(IDC_EDIT_LAMP_COUNT), "28.7");
        EXPECT_EQ(desktop.Text(IDC_EDIT_OPERATING_COST), "206.75");
    });
}

TEST_F(MainDialogTest, EnterInAFieldOrOnACheckboxChangesNothing) {
    const INT_PTR result = Run([&] {
        desktop.Type(IDC_EDIT_FLUX, "2000");
        desktop.PressEnter();
        EXPECT_TRUE(desktop.HasOpenDialog());
        EXPECT_EQ(desktop.Text(IDC_EDIT_FLUX), "2000");
        EXPECT_EQ(desktop.FocusId(), IDC_EDIT_FLUX);

        desktop.Focus(IDC_GIVEN_BEAM_ANGLE);
        desktop.PressEnter();
        EXPECT_TRUE(desktop.HasOpenDialog());
        EXPECT_TRUE(desktop.IsChecked(IDC_GIVEN_BEAM_ANGLE));
        EXPECT_EQ(desktop.Text(IDC_EDIT_FLUX), "2 000.0");

        desktop.QueueMessageBoxAnswer(IDNO); // not to save what was typed
        desktop.Focus(IDCANCEL);
        desktop.PressEnter();
        EXPECT_FALSE(desktop.HasOpenDialog());
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(MainDialogTest, EscapeEndsTheDialog) {
    EXPECT_EQ(Run([&] { desktop.PressEscape(); }), IDCANCEL);
}

// A computed field is not clamped to its limits. Leaving one must not recalculate it, which
// would clamp it: here a Durchmesser of 100 m at 2.5 m computes a beam angle of 174.3 degrees.
TEST_F(MainDialogTest, TabbingThroughAComputedFieldRecalculatesNothing) {
    Run([&] {
        desktop.Click(IDC_GIVEN_DIAMETER);
        ASSERT_TRUE(desktop.IsReadOnly(IDC_EDIT_BEAM_ANGLE));
        desktop.Type(IDC_EDIT_DIAMETER, "100");
        desktop.Focus(IDC_EDIT_BEAM_ANGLE);
        EXPECT_EQ(desktop.Text(IDC_EDIT_BEAM_ANGLE), "174.3");

        desktop.Type(IDC_EDIT_BEAM_ANGLE, "5"); // read-only: takes nothing
        desktop.Tab();
        EXPECT_EQ(desktop.FocusId(), IDC_EDIT_SOLID_ANGLE);
        EXPECT_EQ(desktop.Text(IDC_EDIT_BEAM_ANGLE), "174.3");
        EXPECT_GT(dialog.Store().value[kBeamAngle], 120);
    });
}

TEST_F(MainDialogTest, TypingOnlyLettersReadsAsZero) {
    Run([&] {
        desktop.Type(IDC_EDIT_FLUX, "abc");
        EXPECT_EQ(dialog.Store().value[kLuminousFlux], 0);
        EXPECT_EQ(desktop.Text(IDC_EDIT_FLUX), "abc");
        EXPECT_EQ(desktop.Text(IDC_EDIT_INTENSITY), "0");
        EXPECT_EQ(desktop.Text(IDC_EDIT_EFFICACY), "0.00");
        desktop.Tab();
        EXPECT_EQ(desktop.Text(IDC_EDIT_FLUX), "0.0");
    });
}

TEST_F(MainDialogTest, FocusTrackingFollowsTheFocusedQuantity) {
    Run([&] {
        desktop.Tick();
        EXPECT_EQ(dialog.LastShownQuantity(), kLuminousIntensity);
        EXPECT_EQ(desktop.ImageId(IDC_PICTURE), IDB_PICTURE_NONE);
        EXPECT_EQ(HelpPanel(), QuantityAt(kLuminousIntensity).helpText);

        // Nothing is done while the focus stays where it is.
        dialog.SetDlgItemText(IDC_HELP_TEXT, "x");
        desktop.Tick();
        EXPECT_EQ(HelpPanel(), "x");

        // Lichtstrom shares picture 129 with Lichtstärke; it is sent again all the same.
        desktop.Focus(IDC_EDIT_FLUX);
        desktop.Tick();
        EXPECT_EQ(dialog.LastShownQuantity(), kLuminousFlux);
        EXPECT_EQ(desktop.ImageId(IDC_PICTURE), IDB_PICTURE_NONE);
        EXPECT_EQ(HelpPanel(), QuantityAt(kLuminousFlux).helpText);

        desktop.Focus(IDC_EDIT_BEAM_ANGLE);
        desktop.Tick();
        EXPECT_EQ(dialog.LastShownQuantity(), kBeamAngle);
        EXPECT_EQ(desktop.ImageId(IDC_PICTURE), IDB_BEAM_ANGLE);
        EXPECT_EQ(HelpPanel(), kBeamAngleHelp);

        // From an edit to its own checkbox: the help text is set again, the quantity stays.
        dialog.SetDlgItemText(IDC_HELP_TEXT, "x");
        desktop.Focus(IDC_GIVEN_BEAM_ANGLE);
        desktop.Tick();
        EXPECT_EQ(dialog.LastShownQuantity(), kBeamAngle);
        EXPECT_EQ(HelpPanel(), kBeamAngleHelp);

        desktop.Focus(IDC_EDIT_ROOM_EFFICIENCY);
        desktop.Tick();
        EXPECT_EQ(desktop.ImageId(IDC_PICTURE), IDB_ROOM_EFFICIENCY);
    });
}

TEST_F(MainDialogTest, FocusTrackingShowsNoQuantityOnAButton) {
    Run([&] {
        for (int button : {IDC_LOAD, IDC_SAVE, IDC_DATABASE, IDCANCEL}) {
            desktop.Focus(IDC_EDIT_HEIGHT);
            desktop.Tick();
            EXPECT_EQ(desktop.ImageId(IDC_PICTURE), IDB_HEIGHT);
            desktop.Focus(button);
            desktop.Tick();
            EXPECT_EQ(dialog.LastShownQuantity(), MainDialog::kNoQuantityShown) << button;
            EXPECT_EQ(desktop.ImageId(IDC_PICTURE), IDB_PICTURE_NONE) << button;
            EXPECT_EQ(HelpPanel(), "") << button;
        }
    });
}

// While a message box is open its OK button (id 1) has the focus, which is no quantity's
// control; when the box has closed the focus is back and so, at the next tick, is the picture.
TEST_F(MainDialogTest, FocusTrackingSeesTheButtonOfAMessageBox) {
    int boxes = 0;
    desktop.OnMessageBox([&](const headless::MessageBoxRecord&) {
        ++boxes;
        desktop.Tick();
        EXPECT_EQ(dialog.LastShownQuantity(), MainDialog::kNoQuantityShown);
        EXPECT_EQ(HelpPanel(), "");
    });
    Run([&] {
        desktop.Focus(IDC_EDIT_BEAM_ANGLE);
        desktop.Tick();
        dialog.MessageBox("Test", "Fehler", MB_ICONHAND);
        EXPECT_EQ(desktop.FocusId(), IDC_EDIT_BEAM_ANGLE);
        EXPECT_EQ(desktop.ImageId(IDC_PICTURE), IDB_PICTURE_NONE);
        desktop.Tick();
        EXPECT_EQ(dialog.LastShownQuantity(), kBeamAngle);
        EXPECT_EQ(desktop.ImageId(IDC_PICTURE), IDB_BEAM_ANGLE);
        EXPECT_EQ(HelpPanel(), kBeamAngleHelp);
    });
    EXPECT_EQ(boxes, 1);
}

TEST_F(MainDialogTest, TheAboutItemOpensTheAboutBox) {
    bool shown = false;
    desktop.QueueDialogAnswer([&] {
        shown = true;
        EXPECT_EQ(desktop.Caption(), "Info \xFC"
                                     "ber Lumetrix");
        EXPECT_EQ(desktop.Text(IDC_ABOUT_TEXT), "Lumetrix 1.3.0\n\xA9 Rovad");
        desktop.Tick();
        EXPECT_EQ(dialog.LastShownQuantity(), MainDialog::kNoQuantityShown);
        desktop.PressEnter();
    });
    Run([&] {
        desktop.SystemCommand(IDM_ABOUTBOX);
        EXPECT_TRUE(shown);
        EXPECT_TRUE(desktop.HasOpenDialog());
        EXPECT_EQ(desktop.Caption(), "Lumetrix");
        EXPECT_EQ(desktop.Text(IDC_EDIT_INTENSITY), "3 252");
    });
}

TEST_F(MainDialogTest, DrawsTheIconCentredWhenMinimised) {
    Run([&] {
        desktop.Minimize();
        const std::vector<headless::DrawnIcon> drawn = desktop.Paint();
        ASSERT_EQ(drawn.size(), 1u);
        RECT client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(drawn[0].iconId, IDR_MAINFRAME);
        EXPECT_EQ(drawn[0].x, (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2);
        EXPECT_EQ(drawn[0].y, (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2);
    });
}

} // namespace
