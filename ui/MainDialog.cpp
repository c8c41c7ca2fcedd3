#include "ui/MainDialog.h"

#include "resources/resource.h"
#include "ui/AboutBox.h"
#include "ui/NumericFieldExchange.h"
#include "ui/QuantityControls.h"

namespace {

// Posted at the end of start-up: what is to be done once the dialog shows.
constexpr UINT kStartUpMessage = WM_APP + 1;

constexpr UINT_PTR kFocusTimer = 200;
constexpr UINT kFocusTimerPeriod = 250; // milliseconds

constexpr COLORREF kComputedColour = RGB(220, 220, 255);
constexpr COLORREF kEditableColour = RGB(255, 255, 200);

// The control id of the window with the keyboard focus, whichever window of the program it
// belongs to; 0 when no window has the focus.
int FocusedControlId() {
    HWND focus = ::GetFocus();
    return focus == nullptr ? 0 : static_cast<int>(::GetWindowLong(focus, GWL_ID));
}

// The quantity whose edit or checkbox has this id, or MainDialog::kNoQuantityShown.
int QuantityOfControl(int controlId) {
    for (int q = 0; q < kQuantityCount; ++q) {
        if (ControlsOf(q).editId == controlId || ControlsOf(q).checkboxId == controlId) {
            return q;
        }
    }
    return MainDialog::kNoQuantityShown;
}

int DecimalsOf(int q) {
    return static_cast<int>(QuantityAt(q).decimals);
}

} // namespace

MainDialog::MainDialog(CWnd* parent) : CDialog(IDD_MAIN, parent) {
    m_hIcon = ::LoadIcon(AfxGetInstanceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
}

// Each picture is loaded the first time it is shown, not all of them at start-up, where they
// would hold up the main dialog by the time that many bitmaps take to load.
HBITMAP MainDialog::Picture(int q) {
    if (m_pictures[q] == nullptr) {
        const int pictureId = q == kNoQuantityShown ? IDB_PICTURE_NONE : ControlsOf(q).pictureId;
        m_pictures[q] = ::LoadBitmap(AfxGetInstanceHandle(), MAKEINTRESOURCE(pictureId));
    }
    return m_pictures[q];
}

void MainDialog::ReadFields() {
    UpdateData(TRUE);
}

void MainDialog::WriteFields() {
    UpdateData(FALSE);
}

void MainDialog::ShowRoles() {
    const ValueStore& store = m_calculation.Store();
    for (int q = 0; q < kQuantityCount; ++q) {
        const QuantityControls& controls = ControlsOf(q);
        SendDlgItemMessage(controls.checkboxId, BM_SETCHECK,
                           store.given[q] != 0 ? BST_CHECKED : BST_UNCHECKED);
        SendDlgItemMessage(controls.editId, EM_SETREADONLY, store.computed[q] != 0);
    }
}

// The edit reports the new text as it reports typing; the calculation recalculates by itself.
void MainDialog::ShowFieldText(int q, const char* text) {
    m_showingOutsideText = true;
    GetDlgItem(ControlsOf(q).editId)->SetWindowText(text);
    m_showingOutsideText = false;
}

// The help panel keeps the note until the focus tracking shows the next help text.
void MainDialog::ShowNote(const std::string& note) {
    SetDlgItemText(IDC_HELP_TEXT, note.c_str());
}

BOOL MainDialog::OnInitDialog() {
    m_computedBrush = ::CreateSolidBrush(kComputedColour);
    m_editableBrush = ::CreateSolidBrush(kEditableColour);
    CDialog::OnInitDialog();
    AddItemsToSystemMenu();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_calculation.Start();
    SetTimer(kFocusTimer, kFocusTimerPeriod);
    PostMessage(kStartUpMessage);
    return TRUE;
}

LRESULT MainDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kStartUpMessage) {
        // A file that a save left torn is whole again before anything can load it.
        RestoreInterruptedSaves();
        if (!m_startFileName.empty()) {
            LoadStartFile();
        }
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void MainDialog::AddItemsToSystemMenu() {
    CMenu* systemMenu = GetSystemMenu(FALSE);
    if (systemMenu == nullptr) {
        return;
    }
    char aboutItem[256];
    if (::LoadString(AfxGetInstanceHandle(), IDS_ABOUTBOX, aboutItem, sizeof aboutItem) <= 0) {
        return;
    }
    systemMenu->AppendMenu(MF_SEPARATOR);
    systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutItem);
    char roomItem[256];
    if (::LoadString(AfxGetInstanceHandle(), IDS_ROOM, roomItem, sizeof roomItem) > 0) {
        systemMenu->AppendMenu(MF_STRING, IDM_ROOM, roomItem);
    }
}

// Writing skips the edit with the focus, so what the user is typing is never replaced.
void MainDialog::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_PICTURE, m_picture);
    const int focusedId = FocusedControlId();
    for (int q = 0; q < kQuantityCount; ++q) {
        const int editId = ControlsOf(q).editId;
        if (!pDX->m_bSaveAndValidate && editId == focusedId) {
            continue;
        }
        DDX_NumericField(pDX, editId, m_calculation.FieldValues().value[q], DecimalsOf(q));
    }
}

// Hands the calculation what the user does to a quantity: typing in its field, leaving the field
// and a "Vorgabe" click. Enter (IDOK) never closes the dialog from a control: only with no focus
// at all does it reach the base and its OnOK.
BOOL MainDialog::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
    const int controlId = static_cast<int>(id);
    if (code == EN_CHANGE || code == EN_KILLFOCUS) {
        const int q = QuantityOfEdit(controlId);
        if (q == kNoQuantity) {
            return CDialog::OnCmdMsg(id, code, extra, handlerInfo);
        }
        if (code == EN_CHANGE && !m_showingOutsideText) {
            m_calculation.FieldTyped(q);
        }
        // The field the user left for the question before ending keeps the text as typed.
        if (code == EN_KILLFOCUS && !m_askingBeforeEnd) {
            m_calculation.FieldLeft(q);
        }
        return TRUE;
    }
    if (code == CN_COMMAND) {
        if (id == IDOK && ::GetFocus() != nullptr) {
            return TRUE;
        }
        const int q = QuantityOfCheckbox(controlId);
        if (q != kNoQuantity) {
            m_calculation.GivenClicked(q);
            return TRUE;
        }
    }
    return CDialog::OnCmdMsg(id, code, extra, handlerInfo);
}

const CommandMapEntry* MainDialog::GetCommandMap() const {
    static const CommandMapEntry kCommandMap[] = {
        ON_BN_CLICKED(IDC_LOAD, &MainDialog::LoadDataFile),
        ON_BN_CLICKED(IDC_SAVE, &MainDialog::SaveDataFile),
        ON_BN_CLICKED(IDC_DATABASE, &MainDialog::OnDatabase),
        ON_BN_CLICKED(IDC_ROOM, &MainDialog::OnRoom),
        END_COMMAND_MAP(),
    };
    return kCommandMap;
}

// Computed fields light blue, given and free ones light yellow; every other control as the
// base paints it.
HBRUSH MainDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor) {
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, ctlColor);
    if (pWnd == nullptr) {
        return brush;
    }
    const int q = QuantityOfEdit(static_cast<int>(::GetWindowLong(pWnd->m_hWnd, GWL_ID)));
    if (q == kNoQuantity) {
        return brush;
    }
    if (m_calculation.Store().computed[q] != 0) {
        pDC->SetBkColor(kComputedColour);
        return m_computedBrush;
    }
    pDC->SetBkColor(kEditableColour);
    return m_editableBrush;
}

// Follows the keyboard focus: whenever it has moved to another control, shows the help text of
// the quantity that control belongs to, and its picture when the quantity changed.
void MainDialog::OnTimer(UINT_PTR idEvent) {
    if (idEvent != kFocusTimer) {
        Default();
        return;
    }
    if (::GetFocus() == nullptr) {
        return;
    }
    const int controlId = FocusedControlId();
    if (controlId != m_lastFocusedId) {
        ShowFocusedQuantity(controlId);
    }
}

void MainDialog::ShowFocusedQuantity(int controlId) {
    const int q = QuantityOfControl(controlId);
    if (q != m_lastShownQuantity) {
        m_lastShownQuantity = q;
        m_picture.SetBitmap(Picture(q));
    }
    SetDlgItemText(IDC_HELP_TEXT, q == kNoQuantityShown ? "" : QuantityAt(q).helpText);
    m_lastFocusedId = controlId;
}

void MainDialog::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        AboutBox about;
        about.DoModal();
        return;
    }
    if ((id & 0xFFF0) == IDM_ROOM) {
        OnRoom();
        return;
    }
    CDialog::OnSysCommand(id, lParam);
}

// Minimised, the window shows the icon centred in its client area.
void MainDialog::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR MainDialog::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}
