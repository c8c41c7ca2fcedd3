// The main dialog driven as a user drives it: typing, ticking boxes, Enter and Escape.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "resources/resource.h"

#include <vector>

namespace {

const COLORREF kComputedColour = RGB(220, 220, 255);
const COLORREF kEditableColour = RGB(255, 255, 200);

const int kAllEdits[23] = {IDC_EDIT_INTENSITY,
                           IDC_EDIT_FLUX,
                           IDC_EDIT_ILLUMINANCE,
                           IDC_EDIT_BEAM_ANGLE,
                           IDC_EDIT_SOLID_ANGLE,
                           IDC_EDIT_LIT_AREA,
                           IDC_EDIT_HEIGHT,
                           IDC_EDIT_DIAMETER,
                           IDC_EDIT_POWER,
                           IDC_EDIT_EFFICACY,
                           IDC_EDIT_ROOM_AREA,
                           IDC_EDIT_HOURS_PER_DAY,
                           IDC_EDIT_DAYS_PER_YEAR,
                           IDC_EDIT_HOURS_PER_YEAR,
                           IDC_EDIT_ROOM_ILLUMINANCE,
                           IDC_EDIT_LAMP_COUNT,
                           IDC_EDIT_LAMP_LIFE,
                           IDC_EDIT_LAMP_PRICE,
                           IDC_EDIT_ELECTRICITY_PRICE,
                           IDC_EDIT_OPERATING_COST,
                           IDC_EDIT_LAMP_EFFICIENCY,
                           IDC_EDIT_ROOM_EFFICIENCY,
                           IDC_EDIT_MAINTENANCE_FACTOR};

std::vector<std::string> AllFieldTexts(HWND dialog) {
    std::vector<std::string> texts;
    for (int id : kAllEdits) {
        texts.push_back(TextOf(dialog, id));
    }
    return texts;
}

class InputTest : public ProgramTest {};

// Abstrahlwinkel allows 1 to 120 degrees. Raumwinkel and Durchmesser follow each keystroke
// while the typed text stays; leaving the field shows the clamped value.
TEST_F(InputTest, Typing170IntoAbstrahlwinkelRecalculatesPerKeyAndClampsOnLeaving) {
    RunProgram({[&] {
                    TypeInto(main, IDC_EDIT_BEAM_ANGLE, "1");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_BEAM_ANGLE), "1");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_SOLID_ANGLE), "0.000");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_DIAMETER), "0.04");

                    TypeKeys("7");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_BEAM_ANGLE), "17");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_SOLID_ANGLE), "0.069");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_DIAMETER), "0.75");

                    TypeKeys("0");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_BEAM_ANGLE), "170");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_SOLID_ANGLE), "3.142");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_DIAMETER), "8.66");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_INTENSITY), "318");
                    PressKey(VK_TAB);
                },
                [&] {
                    EXPECT_EQ(FocusedId(), IDC_EDIT_SOLID_ANGLE);
                    EXPECT_EQ(TextOf(main, IDC_EDIT_BEAM_ANGLE), "120.0");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_SOLID_ANGLE), "3.142");
                }});
    EXPECT_EQ(outcome.stepsRun, 3);
}

// Formula 7 counts with the Wartungsfaktor: a room whose light ages needs more lamps.
TEST_F(InputTest, TypingAWartungsfaktorChangesTheLampsNeeded) {
    RunProgram({[&] {
                    EXPECT_EQ(TextOf(main, IDC_EDIT_LAMP_COUNT), "17.9");
                    TypeInto(main, IDC_EDIT_MAINTENANCE_FACTOR, "0,8");
                    EXPECT_EQ(TextOf(main, IDC_EDIT_LAMP_COUNT), "22.3");
                    PressKey(VK_TAB);
                },
                [&] { EXPECT_EQ(TextOf(main, IDC_EDIT_MAINTENANCE_FACTOR), "0.80"); }});
    EXPECT_EQ(outcome.stepsRun, 3);
}

TEST_F(InputTest, EnterInAFieldOrOnACheckboxIsSwallowed) {
    std::vector<std::string> before;
    RunProgram({[&] {
                    TypeInto(main, IDC_EDIT_FLUX, "2000");
                    before = AllFieldTexts(main);
                    PressKey(VK_RETURN);
                },
                [&] {
                    EXPECT_TRUE(IsWindowVisible(main));
                    EXPECT_EQ(FocusedId(), IDC_EDIT_FLUX);
                    EXPECT_EQ(AllFieldTexts(main), before);
                    FocusControl(main, IDC_GIVEN_POWER);
                    PressKey(VK_RETURN);
                },
                [&] {
                    EXPECT_TRUE(IsWindowVisible(main));
                    EXPECT_EQ(FocusedId(), IDC_GIVEN_POWER);
                    EXPECT_TRUE(IsChecked(main, IDC_GIVEN_POWER));
                }});
    EXPECT_EQ(outcome.stepsRun, 4);
    EXPECT_EQ(outcome.dialogsLeftOpen, 1);
}

// Nothing changed: nothing to ask about (UnsavedChangesTests.cpp has the question).
TEST_F(InputTest, EscapeEndsTheProgramWithoutAQuestionWhenNothingChanged) {
    RunProgram({[&] {
        FocusControl(main, IDC_EDIT_FLUX);
        PressKey(VK_ESCAPE);
    }});
    EXPECT_EQ(outcome.stepsRun, 2);
    EXPECT_EQ(outcome.dialogsLeftOpen, 0);
    EXPECT_EQ(initInstanceResult, FALSE);
}

TEST_F(InputTest, AbbrechenEndsTheProgram) {
    RunProgram({[&] { Click(main, IDCANCEL); }});
    EXPECT_EQ(outcome.dialogsLeftOpen, 0);
}

TEST_F(InputTest, TheCloseBoxEndsTheProgram) {
    RunProgram({[&] { PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); }});
    EXPECT_EQ(outcome.dialogsLeftOpen, 0);
}

// Ticking Beleuchtungstärke over-determines the lit-area formula; Lichtstrom, the oldest
// given member, gives way and becomes computed.
TEST_F(InputTest, TickingABoxMakesItGivenAndRecolours) {
    RunProgram({[&] {
        Click(main, IDC_GIVEN_ILLUMINANCE);
        EXPECT_EQ(FocusedId(), IDC_GIVEN_ILLUMINANCE);
        EXPECT_TRUE(IsChecked(main, IDC_GIVEN_ILLUMINANCE));
        EXPECT_FALSE(IsReadOnly(main, IDC_EDIT_ILLUMINANCE));
        EXPECT_EQ(AskColours(main, IDC_EDIT_ILLUMINANCE).brush, kEditableColour);

        EXPECT_FALSE(IsChecked(main, IDC_GIVEN_FLUX));
        EXPECT_TRUE(IsReadOnly(main, IDC_EDIT_FLUX));
        EXPECT_EQ(AskColours(main, IDC_EDIT_FLUX).brush, kComputedColour);
        EXPECT_EQ(PaintedBackground(main, IDC_EDIT_FLUX), kComputedColour);
    }});
}

TEST_F(InputTest, AComputedFieldTakesNoTyping) {
    RunProgram({[&] {
        TypeInto(main, IDC_EDIT_INTENSITY, "9");
        EXPECT_EQ(TextOf(main, IDC_EDIT_INTENSITY), "3 252");
    }});
}

} // namespace
