// The headless desktop: how tests and lumetrix-cli drive dialogs on the in-memory window
// system and watch what they show.
//
// Create one Desktop (one at a time) for a test or a run; it answers the dialogs, message boxes and
// file dialogs that open while it exists and records what they showed. Input and queries act on the
// active dialog: the innermost open dialog that has not ended yet.
//
//     headless::Desktop desktop;
//     desktop.QueueMessageBoxAnswer(IDYES);
//     MyDialog dialog;
//     desktop.Run(dialog, [&] {
//         desktop.Type(IDC_VALUE, "300");
//         desktop.Click(IDC_SAVE);
//         EXPECT_EQ(desktop.Text(IDC_VALUE), "300");
//     });
#ifndef LUMETRIX_FRAMEWORK_HEADLESS_DESKTOP_H
#define LUMETRIX_FRAMEWORK_HEADLESS_DESKTOP_H

#include "framework/WinTypes.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CDialog;

namespace headless {

struct MessageBoxRecord {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
    int answer; // the button that closed the box (0 for observers: it is still open)
};

struct FileDialogRecord {
    bool save; // GetSaveFileNameA rather than GetOpenFileNameA
    HWND owner;
    std::string title;
    std::vector<std::string> filter; // text, pattern, text, pattern, ...
    DWORD flags;
    std::string fileName; // the initial name in lpstrFile
    std::string defExt;
    std::string initialDir;
    std::optional<std::string> answer; // the path chosen, none when cancelled
};

// What a dialog answered to WM_CTLCOLOR* for one control.
struct ControlColours {
    std::optional<COLORREF> brush;      // colour of the returned brush, if it is a solid brush
    std::optional<COLORREF> background; // colour given to SetBkColor, if any
};

struct MenuItem {
    UINT flags;
    UINT_PTR id;
    std::string text;
};

struct DrawnIcon {
    int x;
    int y;
    int iconId; // resource id of the icon drawn
};

class Desktop {
public:
    using Action = std::function<void()>;

    Desktop();
    virtual ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // The desktop that exists, or null.
    static Desktop* Current();

    // Adds the dialog templates, strings, icons and bitmaps of a resource script (with the
    // text of the header that #defines its names) to those of the program's own script.
    // On an error, returns false with a message naming the line.
    static bool AddResourceScript(const std::string& script, const std::string& header,
                                  std::string& error);

    // ---- Running ----
    // Runs the dialog modally with `driver` as its user; a dialog still open when the driver
    // returns ends with IDCANCEL, as when its process ends: its Cancel command is not sent, so
    // it asks nothing. Returns what DoModal returned.
    INT_PTR Run(CDialog& dialog, Action driver);
    // The user of the next outermost dialog (for a program that opens its dialog itself).
    void SetDriver(Action driver);
    bool HasOpenDialog() const;
    HWND ActiveDialog() const;

    // ---- Input to the active dialog ----
    // Mouse click: the focus moves to a button, edit or combobox first; a checkbox toggles
    // (BS_AUTOCHECKBOX); a button sends BN_CLICKED.
    void Click(int id);
    // Focuses the edit, selects all its text and types one character at a time; a read-only
    // edit takes nothing.
    void Type(int id, const std::string& text);
    void Tab();
    void Focus(int id);
    void PressEnter();
    void PressEscape();
    // Picks entry `index` of a combobox's list (CB_SETCURSEL and CBN_SELCHANGE).
    void SelectComboItem(int id, int index);
    // WM_SYSCOMMAND with `command` (SC_CLOSE, or an item of the system menu).
    void SystemCommand(UINT command);
    // One WM_TIMER for every timer of every open window.
    void Tick();
    // Sends WM_PAINT to the active dialog and returns the icons it drew.
    std::vector<DrawnIcon> Paint();
    void Minimize();

    // ---- Queries on the active dialog ----
    std::string Caption() const;
    bool HasControl(int id) const;
    std::string Text(int id) const;
    bool IsChecked(int id) const;
    bool IsReadOnly(int id) const;
    bool IsVisible(int id) const;
    // Whether a combobox repaints itself: false between WM_SETREDRAW off and on.
    bool RedrawsItself(int id) const;
    bool IsEnabled(int id) const;
    // Id of the control with the focus, 0 when none (or it is no control).
    int FocusId() const;
    // Resource id of the image a static shows (SS_ICON/SS_BITMAP, STM_SETIMAGE), 0 for none.
    int ImageId(int id) const;
    // Resource id of the icon set with WM_SETICON, 0 for none.
    int IconId(bool big) const;
    // Asks the dialog for a control's colours, as the system does before painting it.
    ControlColours ColoursOf(int id) const;
    std::vector<std::string> ComboItems(int id) const;
    int ComboSelection(int id) const;
    std::vector<MenuItem> SystemMenu() const;
    // The period in milliseconds of the active dialog's timer `id`, none when not set.
    std::optional<UINT> TimerPeriod(UINT_PTR id) const;

    // ---- Answers ----
    // The next message box that has this button is closed with it (an answer stays queued
    // while boxes without that button come and go). A box without a fitting answer takes
    // Cancel if it has it, else No, else OK.
    void QueueMessageBoxAnswer(int answer);
    // The next file dialog returns this path, or is cancelled. Without an answer it is
    // cancelled.
    void QueueFileAnswer(const std::string& path);
    void QueueFileCancel();
    void ClearFileAnswers();
    // The next nested dialog is run by this action (for example: pick an entry, press Enter).
    // Without an answer, or when the answer leaves it open, it is cancelled.
    void QueueDialogAnswer(Action answer);
    void ClearDialogAnswers();

    // ---- Observers and records ----
    // Called while a message box is open: its default button has the focus.
    void OnMessageBox(std::function<void(const MessageBoxRecord&)> observer);
    // Called when a nested dialog is ready (initialised, focused), before its answer runs.
    void OnDialog(Action observer);
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_messageBoxes; }
    const std::vector<FileDialogRecord>& FileDialogs() const { return m_fileDialogs; }

    // ---- Used by the window system ----
    // A desktop with users of its own (a renderer's real keyboard and mouse) overrides these
    // three, each of which returns when its dialog, box or file dialog has been answered.
    // Runs the driver of the outermost dialog, or the answer queued for a nested one.
    virtual void RunDialog(HWND dialog, bool outermost);
    // The queued answer if it is one of the box's buttons, else `unanswered`; recorded.
    virtual int AnswerMessageBox(HWND box, MessageBoxRecord record, const std::vector<int>& buttons,
                                 int unanswered);
    virtual std::optional<std::string> AnswerFileDialog(FileDialogRecord record);

protected:
    // Calls the observers of message boxes and nested dialogs.
    void ObserveMessageBox(const MessageBoxRecord& record) const;
    void ObserveDialog() const;

private:
    Action m_driver;
    std::deque<int> m_messageBoxAnswers;
    std::deque<std::optional<std::string>> m_fileAnswers;
    std::deque<Action> m_dialogAnswers;
    std::function<void(const MessageBoxRecord&)> m_messageBoxObserver;
    Action m_dialogObserver;
    std::vector<MessageBoxRecord> m_messageBoxes;
    std::vector<FileDialogRecord> m_fileDialogs;
};

} // namespace headless

#endif
