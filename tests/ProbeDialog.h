// A small dialog for the framework tests: it records the commands, timer ticks, system
// commands and colour requests it gets, and exchanges one text field.
#ifndef LUMETRIX_TESTS_PROBEDIALOG_H
#define LUMETRIX_TESTS_PROBEDIALOG_H

#include "framework/Afx.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

constexpr UINT kProbeDialog = 9100;
constexpr UINT kInnerDialog = 9101;
constexpr UINT kMissingDialog = 9199;
constexpr int kName = 9110;    // edit, exchanged with ProbeDialog::name
constexpr int kValue = 9111;   // edit with colours of its own
constexpr int kFixed = 9112;   // read-only edit
constexpr int kGiven = 9113;   // automatic checkbox
constexpr int kApply = 9114;   // push button in the command map
constexpr int kHidden = 9115;  // invisible push button
constexpr int kPicture = 9116; // SS_BITMAP static
constexpr int kIcon = 9117;    // SS_ICON static showing icon 128
constexpr int kLabel = 9118;   // text static

extern const char kProbeHeader[];
extern const char kProbeScript[];

constexpr COLORREF kValueColour = RGB(12, 34, 56);

class ProbeDialog : public CDialog {
public:
    struct Command {
        UINT id;
        int code;
        int focusId; // the control with the focus when the command arrived
    };

    explicit ProbeDialog(UINT templateId = kProbeDialog, CWnd* parent = nullptr)
        : CDialog(templateId, parent) {}

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
    void OnTimer(UINT_PTR idEvent) override;
    void OnSysCommand(UINT id, LPARAM lParam) override;
    // Takes the notifications of non-zero ids, answering with their lParam plus one.
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor) override;
    void OnPaint() override;

    // The commands routed with `code` (after the notification lock-out).
    std::vector<Command> Routed(int code) const;
    // The lParam of the last WM_COMMAND from `id`.
    LPARAM LastSource(UINT id) const;

    // Set up by the test
    bool focusFirstTabStop = true;      // what OnInitDialog returns
    std::function<void()> onApply;      // the handler of kApply
    std::function<void()> onInitDialog; // runs at the end of OnInitDialog
    std::string name;

    // Recorded
    bool hadFocusDuringInit = true;
    std::vector<std::pair<UINT, LPARAM>> commandSources; // id and lParam of every WM_COMMAND
                                                         // before the lock-out
    std::vector<Command> routed;
    std::vector<UINT_PTR> ticks;
    std::vector<UINT> systemCommands;
    std::vector<WPARAM> notifications;
    std::vector<UINT> colourKinds;
    int exchanges = 0;
    CStatic picture;

protected:
    const CommandMapEntry* GetCommandMap() const override;

private:
    void OnApply();

    HBRUSH m_valueBrush = CreateSolidBrush(kValueColour);
};

#endif
