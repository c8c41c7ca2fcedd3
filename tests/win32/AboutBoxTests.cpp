// The about box, opened from the main dialog's system menu.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "resources/resource.h"

namespace {

const std::string kAboutCaption = "Info \xFC"
                                  "ber Lumetrix";

HWND IconStaticOf(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return child;
    }
    return nullptr;
}

class AboutBoxTest : public ProgramTest {};

TEST_F(AboutBoxTest, OpensFromTheSystemMenuAndOkClosesIt) {
    HWND about = nullptr;
    RunProgram({[&] {
                    FocusControl(main, IDC_EDIT_BEAM_ANGLE);
                    PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
                },
                [&] {
                    about = FindDialog(kAboutCaption);
                    ASSERT_NE(about, nullptr);
                    EXPECT_EQ(GetWindow(about, GW_OWNER), main);
                    EXPECT_TRUE(IsCentredOver(about, main));
                    EXPECT_FALSE(IsWindowEnabled(main));
                    EXPECT_EQ(FocusedId(), IDOK);
                    EXPECT_EQ(TextOf(about, IDOK), "OK");
                    EXPECT_NE(SendMessageA(IconStaticOf(about), STM_GETICON, 0, 0), 0);

                    // The main dialog's focus tracking sees the about box's button.
                    TickFocusTimer(main);
                    EXPECT_EQ(TextOf(main, IDC_HELP_TEXT), "");
                    EXPECT_EQ(ShownPicture(main), IDB_PICTURE_NONE);

                    Click(about, IDOK);
                },
                [&] {
                    EXPECT_FALSE(IsWindow(about));
                    EXPECT_TRUE(IsWindowEnabled(main));
                    EXPECT_EQ(FocusedId(), IDC_EDIT_BEAM_ANGLE);
                    EXPECT_EQ(TextOf(main, IDC_EDIT_BEAM_ANGLE), "36.0");
                }});
    EXPECT_EQ(outcome.stepsRun, 4);
    EXPECT_EQ(outcome.dialogsLeftOpen, 1);
}

TEST_F(AboutBoxTest, EscapeClosesIt) {
    RunProgram({[&] { PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0); },
                [&] {
                    ASSERT_NE(FindDialog(kAboutCaption), nullptr);
                    PressKey(VK_ESCAPE);
                },
                [&] {
                    EXPECT_EQ(FindDialog(kAboutCaption), nullptr);
                    EXPECT_TRUE(IsWindowVisible(main));
                }});
    EXPECT_EQ(outcome.dialogsLeftOpen, 1);
}

} // namespace
