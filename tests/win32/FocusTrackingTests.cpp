// The help panel and picture follow the focus at each tick of the focus timer.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "resources/resource.h"

namespace {

const char kIntensityHelp[] =
    "Ist die durchschnittliche Helligkeit einer Lichtquelle im Abstand von einem Meter zu "
    "Lichtquelle. \n\nLichtst\xE4"
    "ke =  Lichtstrom / Raumwinkel\n\n";
const char kBeamAngleHelp[] = "Ist der Winkel mit dem das Licht von der Lichtquelle abgestrahlt "
                              "wird.";

class FocusTrackingTest : public ProgramTest {};

TEST_F(FocusTrackingTest, HelpTextAndPictureFollowTheFocusedQuantity) {
    RunProgram({[&] {
        TickFocusTimer(main);
        EXPECT_EQ(TextOf(main, IDC_HELP_TEXT), kIntensityHelp);
        EXPECT_EQ(ShownPicture(main), IDB_PICTURE_NONE);

        FocusControl(main, IDC_EDIT_BEAM_ANGLE);
        TickFocusTimer(main);
        EXPECT_EQ(TextOf(main, IDC_HELP_TEXT), kBeamAngleHelp);
        EXPECT_EQ(ShownPicture(main), IDB_BEAM_ANGLE);

        FocusControl(main, IDC_GIVEN_BEAM_ANGLE);
        TickFocusTimer(main);
        EXPECT_EQ(TextOf(main, IDC_HELP_TEXT), kBeamAngleHelp);
        EXPECT_EQ(ShownPicture(main), IDB_BEAM_ANGLE);

        FocusControl(main, IDC_EDIT_ROOM_EFFICIENCY);
        TickFocusTimer(main);
        EXPECT_EQ(ShownPicture(main), IDB_ROOM_EFFICIENCY);

        FocusControl(main, IDC_LOAD);
        TickFocusTimer(main);
        EXPECT_EQ(TextOf(main, IDC_HELP_TEXT), "");
        EXPECT_EQ(ShownPicture(main), IDB_PICTURE_NONE);
    }});
}

TEST_F(FocusTrackingTest, ThePictureControlTakesTheSizeOfItsPicture) {
    RunProgram({[&] {
        FocusControl(main, IDC_EDIT_HEIGHT);
        TickFocusTimer(main);
        RECT area;
        GetWindowRect(GetDlgItem(main, IDC_PICTURE), &area);
        EXPECT_EQ(area.right - area.left, 379);
        EXPECT_EQ(area.bottom - area.top, 159);
    }});
}

} // namespace
