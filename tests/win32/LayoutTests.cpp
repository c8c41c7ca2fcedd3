// The main dialog as the dialog manager builds it from template 102.
#include "DialogUser.h"
#include "ProgramTest.h"

#include "model/Quantity.h"
#include "resources/resource.h"
#include "ui/QuantityControls.h"

#include <string>
#include <vector>

namespace {

class LayoutTest : public ProgramTest {};

TEST_F(LayoutTest, TabRunsDownTheEditsThenTheCheckboxesOfEachGroupThenTheButtons) {
    const std::vector<int> expected = {
        // left edits, top to bottom
        IDC_EDIT_INTENSITY, IDC_EDIT_FLUX, IDC_EDIT_ILLUMINANCE, IDC_EDIT_BEAM_ANGLE,
        IDC_EDIT_SOLID_ANGLE, IDC_EDIT_LIT_AREA, IDC_EDIT_HEIGHT, IDC_EDIT_DIAMETER, IDC_EDIT_POWER,
        IDC_EDIT_EFFICACY, IDC_EDIT_LAMP_EFFICIENCY,
        // left checkboxes
        IDC_GIVEN_INTENSITY, IDC_GIVEN_FLUX, IDC_GIVEN_ILLUMINANCE, IDC_GIVEN_BEAM_ANGLE,
        IDC_GIVEN_SOLID_ANGLE, IDC_GIVEN_LIT_AREA, IDC_GIVEN_HEIGHT, IDC_GIVEN_DIAMETER,
        IDC_GIVEN_POWER, IDC_GIVEN_EFFICACY, IDC_GIVEN_LAMP_EFFICIENCY,
        // right edits
        IDC_EDIT_ROOM_EFFICIENCY, IDC_EDIT_MAINTENANCE_FACTOR, IDC_EDIT_ROOM_AREA,
        IDC_EDIT_HOURS_PER_DAY, IDC_EDIT_DAYS_PER_YEAR, IDC_EDIT_HOURS_PER_YEAR,
        IDC_EDIT_ROOM_ILLUMINANCE, IDC_EDIT_LAMP_COUNT, IDC_EDIT_LAMP_LIFE, IDC_EDIT_LAMP_PRICE,
        IDC_EDIT_ELECTRICITY_PRICE, IDC_EDIT_OPERATING_COST,
        // right checkboxes
        IDC_GIVEN_ROOM_EFFICIENCY, IDC_GIVEN_MAINTENANCE_FACTOR, IDC_GIVEN_ROOM_AREA,
        IDC_GIVEN_HOURS_PER_DAY, IDC_GIVEN_DAYS_PER_YEAR, IDC_GIVEN_HOURS_PER_YEAR,
        IDC_GIVEN_ROOM_ILLUMINANCE, IDC_GIVEN_LAMP_COUNT, IDC_GIVEN_LAMP_LIFE, IDC_GIVEN_LAMP_PRICE,
        IDC_GIVEN_ELECTRICITY_PRICE, IDC_GIVEN_OPERATING_COST,
        // buttons
        IDCANCEL, IDC_LOAD, IDC_SAVE, IDC_DATABASE};

    std::vector<int> order;
    RunProgram({[&] {
        HWND control = GetFocus();
        do {
            order.push_back(GetDlgCtrlID(control));
            control = GetNextDlgTabItem(main, control, FALSE);
        } while (control != GetFocus() && order.size() <= expected.size());
    }});
    EXPECT_EQ(order.size(), 50u);
    EXPECT_EQ(order, expected);
}

// Every quantity has its row: an edit and a box on screen, inside the dialog, none overlapping
// another's.
TEST_F(LayoutTest, ShowsTwentyThreeRowsWithinTheDialog) {
    RunProgram({[&] {
        RECT client;
        GetClientRect(main, &client);
        std::vector<RECT> rows;
        for (int q = 0; q < kQuantityCount; ++q) {
            SCOPED_TRACE("quantity " + std::to_string(q));
            for (int id : {ControlsOf(q).editId, ControlsOf(q).checkboxId}) {
                const HWND control = GetDlgItem(main, id);
                ASSERT_NE(control, nullptr);
                EXPECT_TRUE(IsWindowVisible(control));
                RECT rect;
                GetWindowRect(control, &rect);
                MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
                EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.right &&
                            rect.bottom <= client.bottom);
                for (const RECT& other : rows) {
                    RECT overlap;
                    EXPECT_FALSE(IntersectRect(&overlap, &rect, &other));
                }
                rows.push_back(rect);
            }
        }
    }});
}

TEST_F(LayoutTest, HasNoOkControlAndNoDefaultButton) {
    RunProgram({[&] {
        EXPECT_EQ(GetDlgItem(main, IDOK), nullptr);
        for (HWND child = GetWindow(main, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            SCOPED_TRACE("control " + std::to_string(GetDlgCtrlID(child)));
            EXPECT_FALSE(SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
        }
    }});
}

TEST_F(LayoutTest, IsAFixedSizeApplicationWindowOf527By371DialogUnits) {
    RunProgram({[&] {
        const LONG style = GetWindowLongA(main, GWL_STYLE);
        EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
        EXPECT_TRUE(style & WS_SYSMENU);
        EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_APPWINDOW);

        RECT expected = {0, 0, 527, 371};
        MapDialogRect(main, &expected);
        RECT client;
        GetClientRect(main, &client);
        EXPECT_EQ(client.right, expected.right);
        EXPECT_EQ(client.bottom, expected.bottom);
    }});
}

} // namespace
