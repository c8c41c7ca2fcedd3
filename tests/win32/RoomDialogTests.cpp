// The room dialog: "Raum...", Alt+R and the system menu open it; "Übernehmen" fills the main
// dialog's Raumgröße and Raumwirkungsgrad, "Abbrechen" leaves them.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "resources/resource.h"

namespace {

const std::string kRoomCaption = "Raumwirkungsgrad berechnen";

class RoomDialogTest : public ProgramTest {};

TEST_F(RoomDialogTest, AltROpensItAndUebernehmenFillsTheMainDialog) {
    HWND room = nullptr;
    RunProgram({[&] {
                    FocusControl(main, IDC_EDIT_BEAM_ANGLE);
                    PressRealKeys({VK_MENU, 'R'});
                },
                [&] {
                    room = FindDialog(kRoomCaption);
                    ASSERT_NE(room, nullptr);
                    EXPECT_EQ(GetWindow(room, GW_OWNER), main);
                    EXPECT_TRUE(IsCentredOver(room, main));
                    EXPECT_EQ(TextOf(room, IDOK), "\xDC"
                                                  "bernehmen");
                    EXPECT_EQ(TextOf(room, IDC_ROOM_WORK_PLANE), "0.75");
                    TypeInto(room, IDC_ROOM_LENGTH, "10");
                    TypeInto(room, IDC_ROOM_WIDTH, "6");
                    TypeInto(room, IDC_ROOM_HEIGHT, "3");
                    EXPECT_EQ(TextOf(room, IDC_ROOM_INDEX), "1.67");
                    EXPECT_EQ(TextOf(room, IDC_ROOM_EFFICIENCY), "99.5 %");
                    EXPECT_EQ(TextOf(room, IDC_ROOM_LAMPS), "47");
                    Click(room, IDOK);
                },
                [&] {
                    EXPECT_FALSE(IsWindow(room));
                    EXPECT_EQ(TextOf(main, IDC_EDIT_ROOM_EFFICIENCY), "100");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_ROOM_AREA), "60.00");
                    EXPECT_TRUE(IsChecked(main, IDC_GIVEN_ROOM_EFFICIENCY));
                    EXPECT_TRUE(IsChecked(main, IDC_GIVEN_ROOM_AREA));
                    EXPECT_EQ(TextOf(main, IDC_EDIT_HEIGHT), "2.25");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_MAINTENANCE_FACTOR), "0.80");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_LAMP_COUNT), "46.9");
                    // Not a tab stop: Tab never lands on the button.
                    EXPECT_FALSE(GetWindowLongA(GetDlgItem(main, IDC_ROOM), GWL_STYLE) &
                                 WS_TABSTOP);
                }});
    EXPECT_EQ(outcome.dialogsLeftOpen, 1);
}

TEST_F(RoomDialogTest, AWrongRoomKeepsItOpenAndAbbrechenChangesNothing) {
    HWND room = nullptr;
    RunProgram({[&] { ClickLater(main, IDC_ROOM); },
                [&] {
                    room = FindDialog(kRoomCaption);
                    ASSERT_NE(room, nullptr);
                    TypeInto(room, IDC_ROOM_LENGTH, "10");
                    TypeInto(room, IDC_ROOM_WIDTH, "6");
                    TypeInto(room, IDC_ROOM_HEIGHT, "0,5");
                    ClickLater(room, IDOK);
                },
                [&] {
                    ASSERT_NE(FindDialog("Fehler"), nullptr);
                    PressKey(VK_RETURN);
                },
                [&] {
                    EXPECT_EQ(FindDialog("Fehler"), nullptr);
                    EXPECT_EQ(FindDialog(kRoomCaption), room);
                    EXPECT_EQ(FocusedId(), IDC_ROOM_HEIGHT);
                    Click(room, IDCANCEL);
                },
                [&] {
                    EXPECT_FALSE(IsWindow(room));
                    EXPECT_EQ(TextOf(main, IDC_EDIT_ROOM_EFFICIENCY), "70");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_ROOM_AREA), "20.00");
                }});
    EXPECT_EQ(outcome.dialogsLeftOpen, 1);
}

// What is typed is read whole: "1e308" is no number of the field's, not the 1 it begins with,
// and the room is refused with the focus on its length.
TEST_F(RoomDialogTest, ATextThatIsNotWhollyANumberIsRefused) {
    HWND room = nullptr;
    RunProgram({[&] { ClickLater(main, IDC_ROOM); },
                [&] {
                    room = FindDialog(kRoomCaption);
                    ASSERT_NE(room, nullptr);
                    TypeInto(room, IDC_ROOM_LENGTH, "1e308");
                    TypeInto(room, IDC_ROOM_WIDTH, "6");
                    TypeInto(room, IDC_ROOM_HEIGHT, "3");
                    EXPECT_EQ(TextOf(room, IDC_ROOM_EFFICIENCY), "");
                    ClickLater(room, IDOK);
                },
                [&] {
                    ASSERT_NE(FindDialog("Fehler"), nullptr);
                    PressKey(VK_RETURN);
                },
                [&] {
                    EXPECT_EQ(FindDialog(kRoomCaption), room);
                    EXPECT_EQ(FocusedId(), IDC_ROOM_LENGTH);
                    Click(room, IDCANCEL);
                },
                [&] { EXPECT_EQ(TextOf(main, IDC_EDIT_ROOM_EFFICIENCY), "70"); }});
    EXPECT_EQ(outcome.dialogsLeftOpen, 1);
}

} // namespace
