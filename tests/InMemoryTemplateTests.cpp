// A dialog from an in-memory DLGTEMPLATE (CDialog::InitModalIndirect) with a drop-down list,
// as the headless window system reads and runs it.
#include "framework/Afx.h"
#include "framework/headless/Desktop.h"
#include "tests/TemplateBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kList = 1132;
constexpr int kPrompt = 1131;

TemplateBuilder ListTemplate() {
    TemplateBuilder builder(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 227,
                            76, "Auswahl", 4);
    builder.Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 55, 50, 50, 14, IDOK, 0x80,
                 "OK");
    builder.Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 115, 50, 50, 14, IDCANCEL,
                 0x80, "Abbrechen");
    builder.Item(WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 15, 25,
                 195, 145, kList, 0x85, "");
    builder.Item(WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 15, 15, 195, 8, kPrompt, 0x82,
                 "W\xE4hlen:");
    return builder;
}

// Fills the hidden list, shows it and hands it the focus through a posted WM_NEXTDLGCTL,
// since returning TRUE gives the first tab stop (OK) the focus first.
class ListDialog : public CDialog {
public:
    explicit ListDialog(const DLGTEMPLATE* dialogTemplate) { InitModalIndirect(dialogTemplate); }

    BOOL OnInitDialog() override {
        CComboBox list(GetDlgItem(kList)->GetSafeHwnd());
        for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
            list.InsertString(i, entries[i].c_str());
        }
        list.SetCurSel(1);
        list.ShowWindow(SW_SHOW);
        CDialog::OnInitDialog();
        PostMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list.GetSafeHwnd()), 1);
        return TRUE;
    }

    void OnOK() override {
        CComboBox list(GetDlgItem(kList)->GetSafeHwnd());
        chosen = list.GetCurSel();
        list.GetLBText(chosen, text);
        CDialog::OnOK();
    }

    std::vector<std::string> entries = {"Erste", "Zweite", "Dritte"};
    int chosen = -2;
    std::string text;
};

TEST(InMemoryTemplate, RunsWithItsControlsTextsAndFocus) {
    TemplateBuilder builder = ListTemplate();
    headless::Desktop desktop;
    ListDialog dialog(builder.Get());
    INT_PTR result = desktop.Run(dialog, [&] {
        EXPECT_EQ(desktop.Caption(), "Auswahl");
        EXPECT_EQ(desktop.Text(kPrompt), "W\xE4hlen:");
        EXPECT_EQ(desktop.Text(IDCANCEL), "Abbrechen");
        EXPECT_TRUE(desktop.IsVisible(kList));
        EXPECT_EQ(desktop.FocusId(), kList);
        EXPECT_EQ(desktop.ComboItems(kList),
                  (std::vector<std::string>{"Erste", "Zweite", "Dritte"}));
        EXPECT_EQ(desktop.ComboSelection(kList), 1);
        EXPECT_EQ(desktop.Text(kList), "Zweite"); // a drop-down list shows its selection
        desktop.SelectComboItem(kList, 2);
        desktop.PressEnter(); // the default button, OK
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.chosen, 2);
    EXPECT_EQ(dialog.text, "Dritte");
}

TEST(InMemoryTemplate, ComboBoxKeepsEntriesInInsertionPlacesAndRejectsBadIndexes) {
    TemplateBuilder builder = ListTemplate();
    headless::Desktop desktop;
    ListDialog dialog(builder.Get());
    desktop.Run(dialog, [&] {
        CComboBox list(dialog.GetDlgItem(kList)->GetSafeHwnd());
        EXPECT_EQ(list.InsertString(0, "Null"), 0);
        EXPECT_EQ(list.InsertString(-1, "Ende"), 4);
        EXPECT_EQ(list.InsertString(9, "Weit"), CB_ERR);
        EXPECT_EQ(::SendMessageA(list.GetSafeHwnd(), CB_GETCOUNT, 0, 0), 5);
        EXPECT_EQ(list.GetCurSel(), 2); // the selection moved with its entry
        EXPECT_EQ(list.SetCurSel(5), CB_ERR);
        EXPECT_EQ(list.GetCurSel(), -1);
        std::string text = "alt";
        list.GetLBText(7, text);
        EXPECT_EQ(text, "");
        EXPECT_EQ(desktop.Text(kList), "");
    });
}

TEST(InMemoryTemplate, AnExtendedTemplateCannotBeCreated) {
    TemplateBuilder builder(0xFFFF0001, 10, 10, "", 0);
    headless::Desktop desktop;
    ListDialog dialog(builder.Get());
    EXPECT_EQ(desktop.Run(dialog, [] { ADD_FAILURE() << "no dialog to drive"; }), -1);
}

} // namespace
