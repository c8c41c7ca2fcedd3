#include "ui/RoomDialog.h"

#include "framework/ErrorCaption.h"
#include "photometry/RoomEfficiency.h"
#include "resources/resource.h"

#include <algorithm>
#include <iterator>

namespace {

// The input to mend for each problem, in the order of RoomProblem.
int InputToMend(RoomProblem problem) {
    switch (problem) {
    case RoomProblem::Width:
        return kInputWidth;
    case RoomProblem::Height:
        return kInputHeight;
    case RoomProblem::WorkPlaneHeight:
        return kInputWorkPlane;
    case RoomProblem::Suspension:
        return kInputSuspension;
    case RoomProblem::LightPointHeight:
        return kInputHeight;
    case RoomProblem::CeilingReflectance:
        return kInputCeiling;
    case RoomProblem::WallReflectance:
        return kInputWalls;
    case RoomProblem::FloorReflectance:
        return kInputFloor;
    case RoomProblem::MaintenanceFactor:
        return kInputMaintenance;
    default:
        return kInputLength;
    }
}

bool IsRoomInput(int controlId) {
    return std::find(std::begin(kRoomInputIds), std::end(kRoomInputIds), controlId) !=
           std::end(kRoomInputIds);
}

} // namespace

RoomDialog::RoomDialog(const std::optional<Room>& room, const RoomLight& light,
                       const ValueStore& main, CWnd* parent)
    : CDialog(IDD_ROOM, parent), m_room(room), m_source(light.source), m_light(light.distribution),
      m_main(main) {}

BOOL RoomDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    CComboBox sets(GetDlgItem(IDC_ROOM_REFLECTANCE_SETS)->m_hWnd);
    for (int set = 0; set < static_cast<int>(std::size(kUsualReflectanceSets)); ++set) {
        sets.InsertString(-1, UsualSetText(set).c_str());
    }
    SetDlgItemText(IDC_ROOM_SOURCE, m_source.c_str());
    ShowInputTexts(RoomInputTexts(m_room));
    ShowResults();
    return TRUE;
}

RoomTexts RoomDialog::InputTexts() const {
    RoomTexts texts;
    for (int input = 0; input < kRoomInputCount; ++input) {
        GetDlgItem(kRoomInputIds[input])->GetWindowText(texts[input]);
    }
    return texts;
}

void RoomDialog::ShowInputTexts(const RoomTexts& texts) {
    m_showingInputs = true;
    for (int input = 0; input < kRoomInputCount; ++input) {
        SetDlgItemText(kRoomInputIds[input], texts[input].c_str());
    }
    m_showingInputs = false;
}

// The drop-down shows the usual set the reflectances make, or nothing. The layout proposed for
// the room replaces the rows and columns typed for the room before.
void RoomDialog::ShowResults() {
    const RoomTexts texts = InputTexts();
    const Room room = ReadRoomInputs(texts);
    const RoomResults results = DescribeRoom(texts, m_light, m_main);
    SetDlgItemText(IDC_ROOM_LIGHT_POINT_HEIGHT, results.lightPointHeight.c_str());
    SetDlgItemText(IDC_ROOM_INDEX, results.roomIndex.c_str());
    SetDlgItemText(IDC_ROOM_DIRECT_RATIO, results.directRatio.c_str());
    SetDlgItemText(IDC_ROOM_DOWNWARD_SHARE, results.downwardShare.c_str());
    SetDlgItemText(IDC_ROOM_EFFICIENCY, results.efficiency.c_str());
    SetDlgItemText(IDC_ROOM_NOTE, results.note.c_str());
    SetDlgItemText(IDC_ROOM_LAMPS, results.lamps.c_str());
    m_showingInputs = true;
    SetDlgItemText(IDC_ROOM_ROWS, results.rows.c_str());
    SetDlgItemText(IDC_ROOM_COLUMNS, results.columns.c_str());
    m_showingInputs = false;
    SetDlgItemText(IDC_ROOM_PLACED, results.placed.c_str());
    SetDlgItemText(IDC_ROOM_MAINTAINED, results.maintainedIlluminance.c_str());
    CComboBox(GetDlgItem(IDC_ROOM_REFLECTANCE_SETS)->m_hWnd).SetCurSel(UsualSetOf(room));
}

// The planner's own rows and columns.
void RoomDialog::ShowPlacedLamps() {
    std::string rows;
    std::string columns;
    GetDlgItem(IDC_ROOM_ROWS)->GetWindowText(rows);
    GetDlgItem(IDC_ROOM_COLUMNS)->GetWindowText(columns);
    const PlacedLamps placed = DescribePlacedLamps(InputTexts(), m_light, m_main, rows, columns);
    SetDlgItemText(IDC_ROOM_PLACED, placed.placed.c_str());
    SetDlgItemText(IDC_ROOM_MAINTAINED, placed.maintainedIlluminance.c_str());
}

void RoomDialog::TakeUsualSet() {
    const int set = CComboBox(GetDlgItem(IDC_ROOM_REFLECTANCE_SETS)->m_hWnd).GetCurSel();
    if (set < 0 || set >= static_cast<int>(std::size(kUsualReflectanceSets))) {
        return;
    }
    RoomTexts texts = InputTexts();
    Room room = ReadRoomInputs(texts);
    room.ceilingReflectance = kUsualReflectanceSets[set].ceiling;
    room.wallReflectance = kUsualReflectanceSets[set].walls;
    room.floorReflectance = kUsualReflectanceSets[set].floor;
    const RoomTexts reflectances = RoomInputTexts(room);
    for (int input : {kInputCeiling, kInputWalls, kInputFloor}) {
        texts[input] = reflectances[input];
    }
    ShowInputTexts(texts);
    ShowResults();
}

BOOL RoomDialog::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
    const int controlId = static_cast<int>(id);
    if (code == EN_CHANGE && IsRoomInput(controlId)) {
        if (!m_showingInputs) {
            ShowResults();
        }
        return TRUE;
    }
    if (code == EN_CHANGE && (controlId == IDC_ROOM_ROWS || controlId == IDC_ROOM_COLUMNS)) {
        if (!m_showingInputs) {
            ShowPlacedLamps();
        }
        return TRUE;
    }
    if (code == CBN_SELCHANGE && controlId == IDC_ROOM_REFLECTANCE_SETS) {
        TakeUsualSet();
        return TRUE;
    }
    return CDialog::OnCmdMsg(id, code, extra, handlerInfo);
}

void RoomDialog::OnOK() {
    const Room room = ReadRoomInputs(InputTexts());
    const RoomProblem problem = FindRoomProblem(room);
    if (problem != RoomProblem::None) {
        MessageBox(RoomProblemMessage(problem), kErrorCaption, MB_ICONEXCLAMATION);
        const HWND input = GetDlgItem(kRoomInputIds[InputToMend(problem)])->m_hWnd;
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(input), TRUE);
        return;
    }
    m_chosenRoom = room;
    m_chosenEfficiency = CalculateRoomEfficiency(room, m_light)->percent;
    EndDialog(IDOK);
}
