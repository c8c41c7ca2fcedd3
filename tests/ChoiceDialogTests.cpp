// The choice dialog of "Datenbank": what it shows when it opens, which entry OK confirms,
// that Cancel, Escape and the close box all cancel, and the list's entries in the order given.
#include "framework/headless/Desktop.h"
#include "ui/ChoiceDialog.h"
#include "ui/ChoiceDialogTemplate.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kLamps = {"Halogen 35W", "LED 5W", "LED 10W"};

class ChoiceDialogTest : public ::testing::Test {
protected:
    void AddAll(const std::vector<std::string>& texts) {
        for (const std::string& text : texts) {
            dialog.AddItem(dialog.Count(), 0, text.c_str(), FALSE);
        }
    }

    INT_PTR Run(const std::function<void()>& driver) { return desktop.Run(dialog, driver); }

    headless::Desktop desktop;
    ChoiceDialog dialog;
};

TEST(ChoiceDialog, StartsWithTheSelectedIndexOrElseTheFirstEntry) {
    const struct {
        int selected;
        int shown;
    } cases[] = {{0, 0}, {2, 2}, {3, 0}, {7, 0}, {-1, 0}, {-3, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE("selected index " + std::to_string(c.selected));
        headless::Desktop desktop;
        ChoiceDialog dialog;
        for (const std::string& lamp : kLamps) {
            dialog.AddItem(-1, 0, lamp.c_str(), FALSE);
        }
        dialog.SetCurSel(c.selected);
        int shown = -2;
        EXPECT_EQ(desktop.Run(dialog,
                              [&] {
                                  shown = desktop.ComboSelection(IDC_CHOICE_LIST);
                                  desktop.PressEnter();
                              }),
                  IDOK);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(dialog.GetCurSel(), c.shown);
        EXPECT_EQ(dialog.GetText(), kLamps[c.shown]);
    }
}

TEST_F(ChoiceDialogTest, OpensWithTheListShownAndFocused) {
    AddAll(kLamps);
    Run([&] {
        EXPECT_EQ(desktop.Caption(), "Auswahl");
        EXPECT_EQ(desktop.Text(IDC_CHOICE_PROMPT), "");
        EXPECT_TRUE(desktop.IsVisible(IDC_CHOICE_LIST));
        EXPECT_TRUE(desktop.RedrawsItself(IDC_CHOICE_LIST));
        EXPECT_FALSE(desktop.IsVisible(IDC_CHOICE_EDITABLE));
        EXPECT_EQ(desktop.FocusId(), IDC_CHOICE_LIST);
        EXPECT_EQ(desktop.Text(IDOK), "OK");
        EXPECT_EQ(desktop.Text(IDCANCEL), "Abbrechen");
    });
}

TEST_F(ChoiceDialogTest, ShowsTheTitleAndPromptItWasGiven) {
    AddAll(kLamps);
    dialog.SetTitle("Datenbank");
    dialog.SetPrompt("Lichtquelle ausw\xE4hlen");
    Run([&] {
        EXPECT_EQ(desktop.Caption(), "Datenbank");
        EXPECT_EQ(desktop.Text(IDC_CHOICE_PROMPT), "Lichtquelle ausw\xE4hlen");
    });
}

TEST_F(ChoiceDialogTest, OkConfirmsThePreselectedOrThePickedEntry) {
    dialog.AddItem(-1, 35, "Halogen 35W", FALSE);
    dialog.AddItem(-1, 5, "LED 5W", TRUE);
    dialog.AddItem(-1, 10, "LED 10W", FALSE);
    EXPECT_EQ(dialog.GetCurSel(), 1);
    EXPECT_EQ(Run([&] { desktop.Click(IDOK); }), IDOK);
    EXPECT_EQ(dialog.GetText(), "LED 5W");
    EXPECT_EQ(dialog.GetChosenItemData(), 5u);

    EXPECT_EQ(Run([&] {
                  desktop.SelectComboItem(IDC_CHOICE_LIST, 2);
                  desktop.Click(IDOK);
              }),
              IDOK);
    EXPECT_EQ(dialog.GetCurSel(), 2);
    EXPECT_EQ(dialog.GetText(), "LED 10W");
    EXPECT_EQ(dialog.GetChosenItemData(), 10u);
}

TEST(ChoiceDialog, CancelEscapeAndTheCloseBoxAllCancel) {
    const std::function<void(headless::Desktop&)> ways[] = {
        [](headless::Desktop& d) { d.Click(IDCANCEL); },
        [](headless::Desktop& d) { d.PressEscape(); },
        [](headless::Desktop& d) { d.SystemCommand(SC_CLOSE); },
        [](headless::Desktop& d) {
            d.SelectComboItem(IDC_CHOICE_LIST, 2);
            d.Click(IDCANCEL);
        },
    };
    int way = 0;
    for (const auto& cancel : ways) {
        SCOPED_TRACE("way " + std::to_string(way++));
        headless::Desktop desktop;
        ChoiceDialog dialog;
        for (const std::string& lamp : kLamps) {
            dialog.AddItem(-1, 7, lamp.c_str(), FALSE);
        }
        dialog.SetCurSel(1);
        EXPECT_EQ(desktop.Run(dialog, [&] { cancel(desktop); }), IDCANCEL);
        EXPECT_EQ(dialog.GetText(), "");
        EXPECT_EQ(dialog.GetCurSel(), -1);
        EXPECT_EQ(dialog.GetChosenItemData(), 0u);
    }
}

TEST_F(ChoiceDialogTest, AnEmptyListConfirmsNothing) {
    EXPECT_EQ(Run([&] {
                  EXPECT_TRUE(desktop.ComboItems(IDC_CHOICE_LIST).empty());
                  desktop.PressEnter();
              }),
              IDOK);
    EXPECT_EQ(dialog.GetCurSel(), -1);
    EXPECT_EQ(dialog.GetText(), "");
    EXPECT_EQ(dialog.GetChosenItemData(), 0u);
}

TEST_F(ChoiceDialogTest, ShowsTheEntriesAsAddedAndUnsorted) {
    const std::vector<std::string> texts = {"b",         "LED 10W", "",
                                            "  blank  ", "LED 5W",  "Gl\xFChlampe \x80"};
    AddAll(texts);
    Run([&] { EXPECT_EQ(desktop.ComboItems(IDC_CHOICE_LIST), texts); });
}

TEST_F(ChoiceDialogTest, InsertsAtAPositionInsideTheListAndAppendsOtherwise) {
    EXPECT_EQ(dialog.AddItem(0, 0, "b", FALSE), 0);
    EXPECT_EQ(dialog.AddItem(0, 0, "a", FALSE), 0);
    EXPECT_EQ(dialog.AddItem(2, 0, "d", FALSE), 2);
    EXPECT_EQ(dialog.AddItem(2, 0, "c", FALSE), 2);
    EXPECT_EQ(dialog.AddItem(9, 0, "e", FALSE), 4);
    EXPECT_EQ(dialog.AddItem(-1, 0, "f", FALSE), 5);
    EXPECT_EQ(dialog.AddItem(-7, 0, nullptr, FALSE), 6);
    Run([&] {
        EXPECT_EQ(desktop.ComboItems(IDC_CHOICE_LIST),
                  (std::vector<std::string>{"a", "b", "c", "d", "e", "f", ""}));
    });
}

TEST_F(ChoiceDialogTest, The17thEntryGrowsTheListFrom16To24SlotsKeepingTheOrder) {
    std::vector<std::string> texts;
    const auto addUpTo = [&](std::size_t count) {
        while (texts.size() < count) {
            texts.push_back("Lampe " + std::to_string(texts.size()));
            dialog.AddItem(-1, static_cast<std::uint32_t>(texts.size()), texts.back().c_str(),
                           FALSE);
        }
    };
    EXPECT_EQ(dialog.Capacity(), 0);
    addUpTo(16);
    EXPECT_EQ(dialog.Capacity(), 16);
    addUpTo(17);
    EXPECT_EQ(dialog.Capacity(), 24);
    addUpTo(25);
    EXPECT_EQ(dialog.Capacity(), 36);
    addUpTo(37);
    EXPECT_EQ(dialog.Capacity(), 54);
    EXPECT_EQ(dialog.Count(), 37);

    dialog.SetCurSel(36);
    Run([&] {
        EXPECT_EQ(desktop.ComboItems(IDC_CHOICE_LIST), texts);
        desktop.PressEnter();
    });
    EXPECT_EQ(dialog.GetText(), "Lampe 36");
    EXPECT_EQ(dialog.GetChosenItemData(), 37u);
}

} // namespace
