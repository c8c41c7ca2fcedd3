// The headless backend's reader of resource scripts, on a small script and on the program's
// own resources/lumetrix.rc.
#include "framework/headless/Resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using headless::ControlTemplate;
using headless::DialogTemplate;
using headless::ResourceSet;
using headless::WindowClass;

const char kHeader[] = "#ifndef SAMPLE_H\n"
                       "#define SAMPLE_H\n"
                       "#define IDD_SAMPLE 300\n"
                       "#define IDC_FIRST 310\n"
                       "#define IDC_ALIAS IDC_FIRST\n"
                       "#define IDS_HELLO 0x12d\n"
                       "#define IDI_LOGO (7)\n"
                       "#endif\n";

TEST(ResourceScript, ReadsNamesNumbersStylesAndTexts) {
    const std::string script = "#include <winres.h>\n"
                               "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\n"
                               "// a comment\n"
                               "IDD_SAMPLE DIALOGEX 1, 2, 150, 0x40\n"
                               "STYLE WS_POPUP | WS_CAPTION | DS_SETFONT\n"
                               "EXSTYLE WS_EX_APPWINDOW\n"
                               "CAPTION \"Gr\xF6\xDF"
                               "e \"\"x\"\"\"\n"
                               "FONT 8, \"MS Sans Serif\"\n"
                               "BEGIN\n"
                               "    CONTROL \"A\\nB\",IDC_ALIAS,\"EDIT\",ES_READONLY | WS_TABSTOP,"
                               "1,2,3,4 // trailing comment\n"
                               "    CONTROL \"x, y\",IDC_STATIC,\"Button\",BS_AUTOCHECKBOX |\n"
                               "            NOT WS_VISIBLE,5,6,7,8,WS_EX_CLIENTEDGE\n"
                               "    CONTROL \"#7\",-1,\"Static\",SS_ICON,0,0,20,20\n"
                               "    CONTROL IDI_LOGO,42L,\"ComboBox\",0x3,0,0,20,20\n"
                               "END\n"
                               "1 VERSIONINFO\n"
                               "BEGIN\n"
                               "    BLOCK \"x\"\n"
                               "    BEGIN\n"
                               "        VALUE \"y\", \"z\"\n"
                               "    END\n"
                               "END\n"
                               "STRINGTABLE\n"
                               "BEGIN\n"
                               "    IDS_HELLO \"Hallo\\tWelt\"\n"
                               "    302, \"Zwei\"\n"
                               "END\n"
                               "IDI_LOGO ICON \"logo.ico\"\n"
                               "20 BITMAP \"b.bmp\"\n";
    ResourceSet resources;
    std::string error;
    ASSERT_TRUE(headless::ParseResourceScript(script, kHeader, resources, error)) << error;

    ASSERT_EQ(resources.dialogs.count(300), 1u);
    const DialogTemplate& dialog = resources.dialogs[300];
    EXPECT_EQ(dialog.style, static_cast<DWORD>(WS_POPUP | WS_CAPTION | DS_SETFONT));
    EXPECT_EQ(dialog.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(dialog.caption, "Gr\xF6\xDF"
                              "e \"x\"");
    EXPECT_EQ(dialog.x, 1);
    EXPECT_EQ(dialog.cy, 0x40);
    ASSERT_EQ(dialog.controls.size(), 4u);

    const ControlTemplate& edit = dialog.controls[0];
    EXPECT_EQ(edit.text, "A\nB");
    EXPECT_EQ(edit.id, 310);
    EXPECT_EQ(edit.windowClass, WindowClass::Edit);
    EXPECT_EQ(edit.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | ES_READONLY | WS_TABSTOP));
    EXPECT_EQ(edit.cy, 4);

    const ControlTemplate& hidden = dialog.controls[1];
    EXPECT_EQ(hidden.text, "x, y");
    EXPECT_EQ(hidden.id, -1);
    EXPECT_EQ(hidden.style, static_cast<DWORD>(WS_CHILD | BS_AUTOCHECKBOX));
    EXPECT_EQ(hidden.exStyle, static_cast<DWORD>(WS_EX_CLIENTEDGE));

    EXPECT_EQ(dialog.controls[2].imageId, 7);
    EXPECT_EQ(dialog.controls[3].imageId, 7);
    EXPECT_EQ(dialog.controls[3].id, 42);
    EXPECT_EQ(dialog.controls[3].windowClass, WindowClass::ComboBox);

    EXPECT_EQ(resources.strings[301], "Hallo\tWelt");
    EXPECT_EQ(resources.strings[302], "Zwei");
    EXPECT_EQ(resources.icons, std::set<int>{7});
    EXPECT_EQ(resources.bitmaps, std::set<int>{20});
}

TEST(ResourceScript, NamesTheLineOfWhatItCannotRead) {
    const std::vector<std::pair<std::string, std::string>> broken = {
        {"IDD_SAMPLE DIALOGEX 0, 0, 10, 10\nBEGIN\n  CONTROL "
         "\"\",IDC_NOPE,\"Edit\",0,0,0,1,1\nEND\n",
         "line 3: unknown name or number: IDC_NOPE"},
        {"IDD_SAMPLE DIALOGEX 0, 0, 10, 10\nBEGIN\n  EDITTEXT IDC_FIRST,0,0,1,1\nEND\n",
         "line 3: only CONTROL lines are supported in a dialog"},
        {"IDD_SAMPLE DIALOGEX 0, 0, 10, 10\nBEGIN\n  CONTROL \"\",1,\"Tree\",0,0,0,1,1\nEND\n",
         "line 3: unknown control class \"Tree\""},
        {"\n\nIDD_SAMPLE DIALOGEX 0, 0, 10, 10\nBEGIN\n", "line 4: END missing"},
    };
    for (const auto& [script, message] : broken) {
        ResourceSet resources;
        std::string error;
        EXPECT_FALSE(headless::ParseResourceScript(script, kHeader, resources, error));
        EXPECT_EQ(error, message);
    }
}

std::vector<int> IdsOf(const DialogTemplate& dialog, WindowClass windowClass, DWORD type,
                       DWORD typeMask) {
    std::vector<int> ids;
    for (const ControlTemplate& control : dialog.controls) {
        if (control.windowClass == windowClass && (control.style & typeMask) == type) {
            ids.push_back(control.id);
        }
    }
    return ids;
}

TEST(ResourceScript, ReadsTheProgramsMainDialog) {
    const std::map<int, DialogTemplate>& dialogs = headless::Resources().dialogs;
    ASSERT_EQ(dialogs.count(102), 1u);
    const DialogTemplate& main = dialogs.at(102);
    EXPECT_EQ(main.caption, "Lumetrix");
    EXPECT_EQ(main.cx, 527);
    EXPECT_EQ(main.cy, 371);
    EXPECT_EQ(main.style & WS_SYSMENU, static_cast<DWORD>(WS_SYSMENU));

    EXPECT_EQ(IdsOf(main, WindowClass::Edit, 0, 0).size(), 23u);
    EXPECT_EQ(IdsOf(main, WindowClass::Button, BS_AUTOCHECKBOX, BS_TYPEMASK).size(), 23u);
    EXPECT_EQ(IdsOf(main, WindowClass::Button, BS_PUSHBUTTON, BS_TYPEMASK),
              (std::vector<int>{IDCANCEL, 1040, 1041, 1048, 1049}));
    EXPECT_EQ(IdsOf(main, WindowClass::Button, BS_GROUPBOX, BS_TYPEMASK).size(), 2u);
    EXPECT_EQ(IdsOf(main, WindowClass::Static, SS_SUNKEN, SS_SUNKEN), (std::vector<int>{1043}));
    EXPECT_EQ(IdsOf(main, WindowClass::Static, SS_BITMAP, SS_TYPEMASK), (std::vector<int>{1044}));

    // The tab order: the controls that take the focus, in template order.
    std::vector<int> tabOrder;
    for (const ControlTemplate& control : main.controls) {
        if (control.style & WS_TABSTOP) {
            tabOrder.push_back(control.id);
        }
    }
    const std::vector<int> expected = {
        1010, 1011, 1012, 1013, 1014, 1016, 1015, 1017,     1018, 1019, 1042, 1000, 1001,
        1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009,     1045, 1046, 1051, 1020, 1021,
        1022, 1023, 1024, 1025, 1026, 1027, 1028, 1029,     1047, 1052, 1030, 1031, 1032,
        1033, 1034, 1035, 1036, 1037, 1038, 1039, IDCANCEL, 1040, 1041, 1048};
    EXPECT_EQ(tabOrder, expected);
}

TEST(ResourceScript, ReadsTheProgramsAboutBoxStringsAndImages) {
    const ResourceSet& resources = headless::Resources();
    ASSERT_EQ(resources.dialogs.count(100), 1u);
    const DialogTemplate& about = resources.dialogs.at(100);
    EXPECT_EQ(about.caption, "Info \xFC"
                             "ber Lumetrix");
    EXPECT_EQ(IdsOf(about, WindowClass::Button, BS_DEFPUSHBUTTON, BS_TYPEMASK),
              (std::vector<int>{IDOK}));
    ASSERT_EQ(IdsOf(about, WindowClass::Static, SS_ICON, SS_TYPEMASK).size(), 1u);
    EXPECT_EQ(about.controls[0].imageId, 128);

    EXPECT_EQ(resources.strings.at(101), "Inf&o \xFC"
                                         "ber Lumetrix...");
    EXPECT_EQ(resources.icons, std::set<int>{128});
    EXPECT_EQ(resources.bitmaps, (std::set<int>{129, 131, 132, 133, 134, 135, 136, 137, 138}));
}

} // namespace
