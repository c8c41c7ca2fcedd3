// The main dialog as the program starts it: texts, roles, colours, focus and system menu.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "resources/resource.h"

namespace {

const COLORREF kComputedColour = RGB(220, 220, 255);
const COLORREF kEditableColour = RGB(255, 255, 200);

struct FieldAtStartUp {
    int edit;
    int checkbox;
    const char* text;
    bool given;
};

// The 23 quantities in index order, as start-up leaves them.
const FieldAtStartUp kStartUp[23] = {
    {IDC_EDIT_INTENSITY, IDC_GIVEN_INTENSITY, "3 252", false},
    {IDC_EDIT_FLUX, IDC_GIVEN_FLUX, "1 000.0", true},
    {IDC_EDIT_ILLUMINANCE, IDC_GIVEN_ILLUMINANCE, "482", false},
    {IDC_EDIT_BEAM_ANGLE, IDC_GIVEN_BEAM_ANGLE, "36.0", true},
    {IDC_EDIT_SOLID_ANGLE, IDC_GIVEN_SOLID_ANGLE, "0.308", false},
    {IDC_EDIT_LIT_AREA, IDC_GIVEN_LIT_AREA, "2.07", false},
    {IDC_EDIT_HEIGHT, IDC_GIVEN_HEIGHT, "2.50", true},
    {IDC_EDIT_DIAMETER, IDC_GIVEN_DIAMETER, "1.62", false},
    {IDC_EDIT_POWER, IDC_GIVEN_POWER, "20.00", true},
    {IDC_EDIT_EFFICACY, IDC_GIVEN_EFFICACY, "50.00", false},
    {IDC_EDIT_ROOM_AREA, IDC_GIVEN_ROOM_AREA, "20.00", true},
    {IDC_EDIT_HOURS_PER_DAY, IDC_GIVEN_HOURS_PER_DAY, "5.0", true},
    {IDC_EDIT_DAYS_PER_YEAR, IDC_GIVEN_DAYS_PER_YEAR, "300", true},
    {IDC_EDIT_HOURS_PER_YEAR, IDC_GIVEN_HOURS_PER_YEAR, "1 500.0", false},
    {IDC_EDIT_ROOM_ILLUMINANCE, IDC_GIVEN_ROOM_ILLUMINANCE, "500", true},
    {IDC_EDIT_LAMP_COUNT, IDC_GIVEN_LAMP_COUNT, "17.9", false},
    {IDC_EDIT_LAMP_LIFE, IDC_GIVEN_LAMP_LIFE, "2 000", true},
    {IDC_EDIT_LAMP_PRICE, IDC_GIVEN_LAMP_PRICE, "2.00", true},
    {IDC_EDIT_ELECTRICITY_PRICE, IDC_GIVEN_ELECTRICITY_PRICE, "0.19", true},
    {IDC_EDIT_OPERATING_COST, IDC_GIVEN_OPERATING_COST, "128.57", false},
    {IDC_EDIT_LAMP_EFFICIENCY, IDC_GIVEN_LAMP_EFFICIENCY, "80", true},
    {IDC_EDIT_ROOM_EFFICIENCY, IDC_GIVEN_ROOM_EFFICIENCY, "70", true},
    {IDC_EDIT_MAINTENANCE_FACTOR, IDC_GIVEN_MAINTENANCE_FACTOR, "1.00", true},
};

class StartUpTest : public ProgramTest {};

TEST_F(StartUpTest, RunsTheMainDialogAsMainWindowAndEndsWhenItCloses) {
    std::string caption;
    RunProgram({[&] {
        caption = TextOf(main);
        EXPECT_TRUE(IsCentredOver(main, nullptr));
        PressKey(VK_ESCAPE);
    }});
    EXPECT_TRUE(mainWindowWasTheDialog);
    EXPECT_EQ(caption, "Lumetrix");
    EXPECT_EQ(outcome.dialogsLeftOpen, 0);
    EXPECT_EQ(initInstanceResult, FALSE);
}

TEST_F(StartUpTest, FieldsShowTheStartUpValuesAndRoles) {
    RunProgram({[&] {
        for (int q = 0; q < 23; ++q) {
            const FieldAtStartUp& field = kStartUp[q];
            SCOPED_TRACE("quantity " + std::to_string(q));
            EXPECT_EQ(TextOf(main, field.edit), field.text);
            EXPECT_EQ(IsChecked(main, field.checkbox), field.given);
            EXPECT_EQ(IsReadOnly(main, field.edit), !field.given);
        }
    }});
}

TEST_F(StartUpTest, ComputedFieldsAreLightBlueAndTheOthersLightYellow) {
    RunProgram({[&] {
        for (int q = 0; q < 23; ++q) {
            const FieldAtStartUp& field = kStartUp[q];
            SCOPED_TRACE("quantity " + std::to_string(q));
            const COLORREF expected = field.given ? kEditableColour : kComputedColour;
            FieldColours asked = AskColours(main, field.edit);
            EXPECT_EQ(asked.brush, expected);
            EXPECT_EQ(asked.background, expected);
            EXPECT_EQ(PaintedBackground(main, field.edit), expected);
        }
    }});
}

TEST_F(StartUpTest, FocusStartsOnLichtstaerkeAndTheHelpPanelWaitsForTheTimer) {
    int focus = 0;
    std::string help = "not read";
    int picture = -1;
    RunProgram({[&] {
        focus = FocusedId();
        help = TextOf(main, IDC_HELP_TEXT);
        picture = ShownPicture(main);
    }});
    EXPECT_TRUE(focusTimerWasRunning);
    EXPECT_EQ(focus, IDC_EDIT_INTENSITY);
    EXPECT_EQ(help, "");
    EXPECT_EQ(picture, 0);
}

TEST_F(StartUpTest, SystemMenuEndsWithTheAboutAndRoomItemsAndTheWindowHasTheIcon) {
    RunProgram({[&] {
        HMENU menu = GetSystemMenu(main, FALSE);
        const int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 3);
        EXPECT_EQ(GetMenuState(menu, count - 3, MF_BYPOSITION) & MF_SEPARATOR,
                  static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(GetMenuItemID(menu, count - 2), static_cast<UINT>(IDM_ABOUTBOX));
        EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ROOM));
        char text[64] = "";
        GetMenuStringA(menu, count - 2, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "Inf&o \xFC"
                           "ber Lumetrix...");

        const LRESULT icon = SendMessageA(main, WM_GETICON, ICON_BIG, 0);
        EXPECT_NE(icon, 0);
        EXPECT_EQ(SendMessageA(main, WM_GETICON, ICON_SMALL, 0), icon);
        EXPECT_EQ(SendMessageA(main, WM_QUERYDRAGICON, 0, 0), icon);
    }});
}

} // namespace
