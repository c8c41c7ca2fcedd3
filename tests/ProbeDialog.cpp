// The probe dialog's resource script and header, which the framework tests load into the
// headless window system (see ProbeDialog.h).
#include "ProbeDialog.h"

const char kProbeHeader[] = R"(
#define IDD_PROBE 9100
#define IDD_INNER 9101
#define IDC_NAME 9110
#define IDC_VALUE 9111
#define IDC_FIXED 9112
#define IDC_GIVEN 9113
#define IDC_APPLY 9114
#define IDC_HIDDEN 9115
#define IDC_PICTURE 9116
#define IDC_ICON 9117
#define IDC_LABEL 9118
)";

const char kProbeScript[] =
    "IDD_PROBE DIALOGEX 0, 0, 200, 120\n"
    "STYLE WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT\n"
    "CAPTION \"Pr\xFC"
    "fung\"\n"
    "FONT 8, \"MS Sans Serif\"\n"
    R"(BEGIN
    CONTROL "Name :",IDC_LABEL,"Static",SS_LEFT,5,5,40,8
    CONTROL "",IDC_NAME,"Edit",ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,50,5,80,14
    CONTROL "",IDC_VALUE,"Edit",ES_RIGHT | WS_BORDER | WS_TABSTOP,50,25,80,14
    CONTROL "",IDC_FIXED,"Edit",ES_READONLY | WS_BORDER | WS_TABSTOP,50,45,80,14
    CONTROL "Vorgabe",IDC_GIVEN,"Button",BS_AUTOCHECKBOX | WS_TABSTOP,140,5,50,10
    CONTROL "Versteckt",IDC_HIDDEN,"Button",BS_PUSHBUTTON | WS_TABSTOP | NOT WS_VISIBLE,140,65,50,14
    CONTROL "Anwenden",IDC_APPLY,"Button",BS_PUSHBUTTON | WS_TABSTOP,140,25,50,14
    CONTROL "Abbrechen",IDCANCEL,"Button",BS_PUSHBUTTON | WS_TABSTOP,140,45,50,14
    CONTROL "",IDC_PICTURE,"Static",SS_BITMAP,5,70,20,20
    CONTROL "#128",IDC_ICON,"Static",SS_ICON,30,70,20,20
END

IDD_INNER DIALOGEX 0, 0, 100, 50
STYLE WS_POPUP | WS_CAPTION | DS_MODALFRAME
CAPTION "Innen"
BEGIN
    CONTROL "",IDC_NAME,"Edit",WS_BORDER | WS_TABSTOP,5,5,80,14
    CONTROL "OK",IDOK,"Button",BS_DEFPUSHBUTTON | WS_TABSTOP,5,25,40,14
END
)";

BOOL ProbeDialog::OnInitDialog() {
    hadFocusDuringInit = ::GetFocus() != nullptr;
    CDialog::OnInitDialog();
    SetTimer(42, 250);
    if (onInitDialog) {
        onInitDialog();
    }
    return focusFirstTabStop;
}

void ProbeDialog::DoDataExchange(CDataExchange* pDX) {
    ++exchanges;
    DDX_Control(pDX, kPicture, picture);
    if (pDX->m_bSaveAndValidate) {
        GetDlgItem(kName)->GetWindowText(name);
    } else {
        SetDlgItemText(kName, name.c_str());
    }
}

BOOL ProbeDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    commandSources.emplace_back(LOWORD(wParam), lParam);
    return CDialog::OnCommand(wParam, lParam);
}

BOOL ProbeDialog::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
    CWnd* focus = CWnd::GetFocus();
    routed.push_back({id, code, focus == nullptr ? 0 : focus->GetDlgCtrlID()});
    return CDialog::OnCmdMsg(id, code, extra, handlerInfo);
}

void ProbeDialog::OnTimer(UINT_PTR idEvent) {
    ticks.push_back(idEvent);
}

void ProbeDialog::OnSysCommand(UINT id, LPARAM lParam) {
    systemCommands.push_back(id);
    CDialog::OnSysCommand(id, lParam);
}

BOOL ProbeDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    notifications.push_back(wParam);
    if (wParam == 0) {
        return CDialog::OnNotify(wParam, lParam, result);
    }
    *result = lParam + 1;
    return TRUE;
}

HBRUSH ProbeDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor) {
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, ctlColor);
    colourKinds.push_back(ctlColor);
    if (pWnd->GetDlgCtrlID() != kValue) {
        return brush;
    }
    pDC->SetBkColor(kValueColour);
    return m_valueBrush;
}

void ProbeDialog::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    dc.DrawIcon(client.right / 2, client.bottom / 2, LoadIconA(nullptr, MAKEINTRESOURCEA(128)));
}

std::vector<ProbeDialog::Command> ProbeDialog::Routed(int code) const {
    std::vector<Command> found;
    for (const Command& command : routed) {
        if (command.code == code) {
            found.push_back(command);
        }
    }
    return found;
}

LPARAM ProbeDialog::LastSource(UINT id) const {
    LPARAM source = -1;
    for (const auto& [commandId, lParam] : commandSources) {
        if (commandId == id) {
            source = lParam;
        }
    }
    return source;
}

const CommandMapEntry* ProbeDialog::GetCommandMap() const {
    static const CommandMapEntry map[] = {ON_BN_CLICKED(kApply, &ProbeDialog::OnApply),
                                          END_COMMAND_MAP()};
    return map;
}

void ProbeDialog::OnApply() {
    if (onApply) {
        onApply();
    }
}
