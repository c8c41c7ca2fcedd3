// Input one key or mouse button at a time (framework/headless/UserInput.h), as a renderer takes
// it from a person, and what a renderer sees of the windows (framework/headless/Screen.h).
#include "ProbeDialog.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/Screen.h"
#include "framework/headless/UserInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A key as the page sends it: its virtual key, its character and the modifiers held.
struct Key {
    UINT virtualKey;
    char character;
    unsigned modifiers;
};

const Key kBackspace{VK_BACK, '\x08', 0};
const Key kDelete{VK_DELETE, 0, 0};
const Key kLeft{VK_LEFT, 0, 0};
const Key kShiftLeft{VK_LEFT, 0, headless::kShiftKey};
const Key kHome{VK_HOME, 0, 0};
const Key kShiftEnd{VK_END, 0, headless::kShiftKey};
const Key kSelectAll{'A', '\x01', headless::kControlKey};

Key Character(char character) {
    return {0, character, 0};
}

class UserInputTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string error;
        ASSERT_TRUE(headless::Desktop::AddResourceScript(kProbeScript, kProbeHeader, error))
            << error;
    }

    void Press(const std::vector<Key>& keys) {
        for (const Key& key : keys) {
            headless::PressKey(desktop.ActiveDialog(), key.virtualKey, key.character,
                               key.modifiers);
        }
    }

    HWND Item(int id) { return GetDlgItem(desktop.ActiveDialog(), id); }

    headless::Desktop desktop;
    ProbeDialog dialog;
};

TEST_F(UserInputTest, EveryKeyEditsAsTheSystemsEditWithOneChangePerChangedText) {
    struct Case {
        const char* name;
        std::vector<Key> keys;
        const char* text;
        std::size_t changes;
    };
    // Each case starts on "abc" with the caret at its end.
    const std::vector<Case> cases = {
        {"typing appends", {Character('d')}, "abcd", 1},
        {"backspace takes the character before", {kBackspace, kBackspace}, "a", 2},
        {"delete at the end takes nothing", {kDelete}, "abc", 0},
        {"delete takes the character after", {kHome, kDelete}, "bc", 1},
        {"the caret moves left", {kLeft, Character('x')}, "abxc", 1},
        {"shift extends the selection", {kShiftLeft, kShiftLeft, Character('x')}, "ax", 1},
        {"shift+end from home selects all", {kHome, kShiftEnd, kBackspace}, "", 1},
        {"ctrl+a selects all", {kSelectAll, Character('7')}, "7", 1},
        {"other control characters type nothing", {Character('\t'), Character('\x7F')}, "abc", 0},
        {"backspace at the start takes nothing", {kHome, kBackspace}, "abc", 0},
    };
    for (const Case& test : cases) {
        desktop.Run(dialog, [&] {
            dialog.SetDlgItemText(kName, "abc");
            desktop.Focus(kName);
            headless::SelectText(Item(kName), 3, 3);
            dialog.routed.clear();
            Press(test.keys);
            EXPECT_EQ(desktop.Text(kName), test.text) << test.name;
            EXPECT_EQ(dialog.Routed(EN_CHANGE).size(), test.changes) << test.name;
        });
    }
}

TEST_F(UserInputTest, PasteTakesTheFirstLineOnceAndAReadOnlyEditTakesNothingButASelection) {
    desktop.Run(dialog, [&] {
        dialog.SetDlgItemText(kName, "12");
        desktop.Focus(kName); // all selected
        dialog.routed.clear();
        headless::Paste(Item(kName), "3,5\r\nzweite Zeile");
        EXPECT_EQ(desktop.Text(kName), "3,5");
        EXPECT_EQ(dialog.Routed(EN_CHANGE).size(), 1u);

        dialog.SetDlgItemText(kFixed, "fest");
        desktop.Focus(kFixed);
        dialog.routed.clear();
        headless::Paste(Item(kFixed), "x");
        Press({kBackspace, kDelete, Character('y'), kSelectAll});
        EXPECT_EQ(desktop.Text(kFixed), "fest");
        EXPECT_TRUE(dialog.Routed(EN_CHANGE).empty());
        EXPECT_EQ(SendMessageA(Item(kFixed), EM_GETSEL, 0, 0), MAKELONG(0, 4));
    });
}

TEST_F(UserInputTest, TheDialogManagerTakesTabEnterEscapeAndTheSpaceBar) {
    int applied = 0;
    dialog.onApply = [&] { ++applied; };
    INT_PTR result = desktop.Run(dialog, [&] {
        Press({{VK_TAB, 0, headless::kShiftKey}}); // from the first tab stop back to the last
        EXPECT_EQ(desktop.FocusId(), IDCANCEL);
        Press({{VK_TAB, 0, 0}, {VK_TAB, 0, 0}, {VK_TAB, 0, 0}, {VK_TAB, 0, 0}});
        EXPECT_EQ(desktop.FocusId(), kGiven);
        Press({{VK_SPACE, ' ', 0}});
        EXPECT_TRUE(desktop.IsChecked(kGiven));
        Press({{VK_TAB, 0, 0}, {VK_RETURN, '\r', 0}});
        EXPECT_EQ(applied, 1);
        Press({{VK_ESCAPE, 0x1B, 0}});
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(UserInputTest, AButtonClicksOnlyWhenTheMouseIsReleasedOverIt) {
    desktop.Run(dialog, [&] {
        dialog.routed.clear();
        headless::PressMouse(Item(kGiven));
        EXPECT_EQ(desktop.FocusId(), kGiven);
        headless::ReleaseMouse(Item(kGiven), false);
        EXPECT_FALSE(desktop.IsChecked(kGiven));
        EXPECT_TRUE(dialog.Routed(BN_CLICKED).empty());

        headless::PressMouse(Item(kGiven));
        headless::ReleaseMouse(Item(kGiven), true);
        EXPECT_TRUE(desktop.IsChecked(kGiven));
        EXPECT_EQ(dialog.Routed(BN_CLICKED).size(), 1u);

        headless::PressMouse(Item(kName)); // an edit takes the focus, its selection stays
        EXPECT_EQ(desktop.FocusId(), kName);
    });
}

TEST_F(UserInputTest, AltWithALetterPressesTheButtonOrFocusesTheFieldWhoseLabelUnderlinesIt) {
    int applied = 0;
    dialog.onApply = [&] { ++applied; };
    desktop.Run(dialog, [&] {
        dialog.SetDlgItemText(kLabel, "&Name :");
        dialog.SetDlgItemText(kApply, "&Anwenden");
        dialog.SetDlgItemText(kGiven, "&Vorgabe");
        dialog.SetDlgItemText(kName, "abc");
        desktop.Focus(kValue);
        headless::PressMnemonic(desktop.ActiveDialog(), 'n'); // the label's field, all selected
        EXPECT_EQ(desktop.FocusId(), kName);
        EXPECT_EQ(SendMessageA(Item(kName), EM_GETSEL, 0, 0), MAKELONG(0, 3));
        headless::PressMnemonic(desktop.ActiveDialog(), 'A');
        EXPECT_EQ(applied, 1);
        headless::PressMnemonic(desktop.ActiveDialog(), 'v');
        EXPECT_TRUE(desktop.IsChecked(kGiven));
        dialog.SetDlgItemText(kApply, "&&Anwenden"); // an ampersand shown, no letter underlined
        headless::PressMnemonic(desktop.ActiveDialog(), 'a');
        headless::PressMnemonic(desktop.ActiveDialog(), 'z');
        EXPECT_EQ(applied, 1);
        EXPECT_EQ(desktop.FocusId(), kGiven);
    });
}

// A desktop whose user answers message boxes with keys and the mouse, as a person does.
class KeyboardDesktop : public headless::Desktop {
public:
    std::vector<Key> keys;
    std::vector<headless::WindowView> boxViews;

    int AnswerMessageBox(HWND box, headless::MessageBoxRecord, const std::vector<int>&,
                         int) override {
        for (HWND control : headless::ControlsOf(box)) {
            boxViews.push_back(*headless::ViewOf(control));
        }
        for (const Key& key : keys) {
            if (!headless::HasEnded(box)) {
                headless::PressKey(box, key.virtualKey, key.character, key.modifiers);
            }
        }
        return headless::HasEnded(box) ? static_cast<int>(headless::ResultOf(box)) : -1;
    }
};

TEST(MessageBoxInputTest, EscapeEndsOnlyABoxWithCancelOrALoneOkAndEnterTakesTheDefault) {
    struct Case {
        UINT type;
        std::vector<Key> keys;
        int result; // -1: still open
    };
    const std::vector<Case> cases = {
        {MB_OK | MB_ICONHAND, {{VK_ESCAPE, 0x1B, 0}}, IDOK},
        {MB_YESNO | MB_ICONQUESTION, {{VK_ESCAPE, 0x1B, 0}}, -1},
        {MB_YESNOCANCEL | MB_ICONQUESTION, {{VK_ESCAPE, 0x1B, 0}}, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, {{VK_RETURN, '\r', 0}}, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, {{VK_RETURN, '\r', 0}}, IDNO},
        {MB_YESNOCANCEL, {{VK_TAB, 0, 0}, {VK_SPACE, ' ', 0}}, IDNO},
    };
    for (const Case& test : cases) {
        KeyboardDesktop desktop;
        desktop.keys = test.keys;
        EXPECT_EQ(MessageBoxA(nullptr, "Text\nzweite Zeile", "Fehler", test.type), test.result)
            << test.type;
    }
}

TEST(MessageBoxInputTest, ABoxShowsItsIconTextAndButtonsInsideItself) {
    KeyboardDesktop desktop;
    desktop.keys = {{VK_RETURN, '\r', 0}};
    MessageBoxA(nullptr,
                "Die Datei existiert bereits !\nSoll sie \xFC"
                "berschrieben werden ?",
                "Fehler", MB_YESNO | MB_ICONQUESTION);
    const std::vector<headless::WindowView>& views = desktop.boxViews;
    ASSERT_EQ(views.size(), 4u); // icon, text, Ja, Nein
    EXPECT_EQ(views[0].kind, headless::WindowKind::Picture);
    EXPECT_EQ(views[0].imageId, 32514); // the question icon
    EXPECT_EQ(views[1].kind, headless::WindowKind::Text);
    EXPECT_GE(views[1].units.bottom - views[1].units.top, 16); // two lines
    EXPECT_TRUE(views[2].defaultButton);
    EXPECT_EQ(views[3].text, "&Nein");
    for (const headless::WindowView& view : views) {
        EXPECT_GE(view.units.left, 0);
        EXPECT_LT(views[1].units.bottom, view.kind == headless::WindowKind::PushButton
                                             ? view.units.top
                                             : views[1].units.bottom + 1);
    }
}

TEST_F(UserInputTest, TheScreenShowsEveryControlWithItsTemplatePlaceStateAndColours) {
    desktop.Run(dialog, [&] {
        dialog.CheckDlgButton(kGiven, BST_CHECKED);
        std::vector<HWND> windows = headless::TopLevelWindows();
        ASSERT_EQ(windows.size(), 1u);
        headless::WindowView main = *headless::ViewOf(windows[0]);
        EXPECT_EQ(main.kind, headless::WindowKind::Dialog);
        EXPECT_EQ(main.text, "Pr\xFC"
                             "fung");
        EXPECT_EQ(main.units.right, 200);

        headless::WindowView value = *headless::ViewOf(Item(kValue));
        EXPECT_EQ(value.kind, headless::WindowKind::Edit);
        EXPECT_EQ(value.units.left, 50);
        EXPECT_EQ(value.units.top, 25);
        EXPECT_EQ(value.pixels.left, 75); // 50 units of 1.5 pixels
        EXPECT_EQ(value.colours.background, kValueColour);
        EXPECT_TRUE(headless::ViewOf(Item(kFixed))->readOnly);
        EXPECT_TRUE(headless::ViewOf(Item(kGiven))->checked);
        EXPECT_EQ(headless::ViewOf(Item(kGiven))->kind, headless::WindowKind::CheckBox);
        EXPECT_EQ(headless::ViewOf(Item(kIcon))->imageId, 128);
        EXPECT_FALSE(headless::ViewOf(Item(kHidden))->visible);
        EXPECT_TRUE(headless::ViewOf(Item(kName))->focused);
        EXPECT_FALSE(headless::HasEnded(windows[0]));
    });
}

} // namespace
