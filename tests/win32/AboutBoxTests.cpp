// The about box, opened from the main dialog's system menu.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "resources/resource.h"

#include <string>
#include <vector>

namespace {

const std::string kAboutCaption = "Info \xFC"
                                  "ber Lumetrix";

HWND IconStaticOf(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            return child;
        }
    }
    return nullptr;
}

// What the about box must say, read from the executable's version record as Explorer reads
// it: the product name, the first three numbers of the product version, the copyright.
std::string ExpectedAboutText() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::vector<char> record(GetFileVersionInfoSizeA(path, nullptr));
    if (record.empty() ||
        !GetFileVersionInfoA(path, 0, static_cast<DWORD>(record.size()), record.data())) {
        return "(no version record)";
    }
    void* data = nullptr;
    UINT length = 0;
    VerQueryValueA(record.data(), "\\", &data, &length);
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(data);
    auto text = [&](const char* name) {
        const std::string query = std::string("\\StringFileInfo\\040704B0\\") + name;
        void* value = nullptr;
        UINT size = 0;
        return VerQueryValueA(record.data(), query.c_str(), &value, &size) && size > 0
                   ? std::string(static_cast<const char*>(value))
                   : std::string("(missing ") + name + ")";
    };
    return text("ProductName") + " " + std::to_string(HIWORD(fixed->dwProductVersionMS)) + "." +
           std::to_string(LOWORD(fixed->dwProductVersionMS)) + "." +
           std::to_string(HIWORD(fixed->dwProductVersionLS)) + "\n" + text("LegalCopyright");
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
                    EXPECT_EQ(TextOf(about, IDC_ABOUT_TEXT), ExpectedAboutText());
                    EXPECT_EQ(TextOf(about, IDC_ABOUT_TEXT), "Lumetrix 1.3.0\n\xA9 Rovad");
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
