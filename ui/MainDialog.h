#ifndef LUMETRIX_UI_MAINDIALOG_H
#define LUMETRIX_UI_MAINDIALOG_H

#include "framework/Afx.h"
#include "ui/Calculation.h"
#include "ui/RoomLight.h"

#include <string>

// The calculator's one window (dialog template 102). It owns the calculation and hands it every
// user action: a "Vorgabe" click, typing in a field and leaving it, a lamp from the database, a
// data file. It is also the calculation's view: the 23 edits show the values, the checkboxes the
// given flags, read-only edits the computed quantities, and the title the file and its changes.
class MainDialog : public CDialog, public CalculationView {
public:
    // Focus tracking shows this quantity when the focus is on no quantity's control.
    static constexpr int kNoQuantityShown = kQuantityCount;

    explicit MainDialog(CWnd* parent = nullptr);

    // CalculationView: fields to values (all 23), values to fields (all but the focused edit),
    // the roles as check marks and read-only edits, a text from outside and the title.
    void ReadFields() override;
    void WriteFields() override;
    void ShowRoles() override;
    void ShowFieldText(int q, const char* text) override;
    void ShowTitle(const std::string& title) override;
    void ShowNote(const std::string& note) override;

    // Loads this data file once the dialog is up, as "Laden" loads the file the user chose;
    // it becomes the name the next file dialog offers. An empty path loads nothing.
    void LoadDataFileAtStart(const std::string& path) { m_startFileName = path; }

    const ValueStore& Store() const { return m_calculation.Store(); }
    const Calculation& CurrentCalculation() const { return m_calculation; }
    // The light the room dialog works with now.
    RoomLight CurrentRoomLight() const;
    // The quantity whose picture focus tracking shows: -1 before the first tick, 23 for none.
    int LastShownQuantity() const { return m_lastShownQuantity; }

protected:
    BOOL OnInitDialog() override;
    // "Abbrechen", Escape and the close box end the dialog, and so does IDOK with no focus, but
    // with unsaved changes only after asking (see MayEnd).
    void OnOK() override;
    void OnCancel() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor) override;
    void OnTimer(UINT_PTR idEvent) override;
    void OnSysCommand(UINT id, LPARAM lParam) override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    const CommandMapEntry* GetCommandMap() const override;

private:
    // The data commands of the "Laden", "Speichern" and "Datenbank" buttons.
    void LoadDataFile();
    void SaveDataFile();
    void OnDatabase();
    // "Raum...": the room dialog, whose Raumwirkungsgrad "Übernehmen" applies.
    void OnRoom();
    // "Speichern" itself: true when the calculation went to a file.
    bool SaveCalculation();
    // The load itself, of the file the data file name holds.
    void LoadNamedDataFile();
    void LoadStartFile();
    // Puts back the old bytes of files that a save in place left torn, and names them.
    void RestoreInterruptedSaves();
    void ReportRestoredFile(const std::string& file);

    // Whether the dialog may end now: asks first to save unsaved changes.
    bool MayEnd();

    // The about item, then the room dialog's.
    void AddItemsToSystemMenu();
    void ShowFocusedQuantity(int controlId);
    HBITMAP Picture(int q);

    CStatic m_picture;       // control 1044, attached by the first exchange
    HICON m_hIcon = nullptr; // icon 128
    // The path the file dialogs offer: the one last chosen in them, even where its load or save
    // failed or was declined. The file the calculation came from or went to is UnsavedChanges'.
    std::string m_dataFileName;
    std::string m_startFileName;                 // see LoadDataFileAtStart
    int m_lastFocusedId = 0;                     // the control focus tracking last acted on
    int m_lastShownQuantity = -1;                // see LastShownQuantity
    HBITMAP m_pictures[kQuantityCount + 1] = {}; // per quantity, then the generic picture
    HBRUSH m_computedBrush = nullptr;
    HBRUSH m_editableBrush = nullptr;
    Calculation m_calculation{*this};
    bool m_askingBeforeEnd = false;    // the question of MayEnd, or the save it starts, is open
    bool m_showingOutsideText = false; // see ShowFieldText
};

#endif
