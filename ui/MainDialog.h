#ifndef LUMETRIX_UI_MAINDIALOG_H
#define LUMETRIX_UI_MAINDIALOG_H

#include "framework/Afx.h"
#include "model/LightingModel.h"
#include "solver/SolverView.h"
#include "ui/UnsavedChanges.h"

#include <string>

// The calculator's one window (dialog template 102). It owns the lighting model and turns
// every user action into a solver call: a "Vorgabe" click resolves the roles, typing in a
// field and leaving it recalculate. It is also the solver's view: the 22 edits show the values,
// the checkboxes the given flags, and read-only edits the computed quantities.
class MainDialog : public CDialog, public SolverView {
public:
    // Focus tracking shows this quantity when the focus is on no quantity's control.
    static constexpr int kNoQuantityShown = kQuantityCount;

    explicit MainDialog(CWnd* parent = nullptr);

    // SolverView: fields to values (all 22), values to fields (all but the focused edit),
    // and the roles as check marks and read-only edits.
    void ReadFields() override;
    void WriteFields() override;
    void ShowRoles() override;

    // Loads this data file once the dialog is up, as "Laden" loads the file the user chose;
    // it becomes the name the next file dialog offers. An empty path loads nothing.
    void LoadDataFileAtStart(const std::string& path) { m_startFileName = path; }

    const ValueStore& Store() const { return m_model.store; }
    // The quantity whose picture focus tracking shows: -1 before the first tick, 22 for none.
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
    // "Speichern" itself: true when the calculation went to a file.
    bool SaveCalculation();
    // The load itself, of the file the data file name holds.
    void LoadNamedDataFile();
    void LoadStartFile();
    // Puts back the old bytes of files that a save in place left torn, and names them.
    void RestoreInterruptedSaves();

    // A solver entry point run for the user's action on quantity q, and the change it made.
    void ApplyUserAction(void (*entryPoint)(LightingModel&, SolverView&, int), int q);
    // Whether the dialog may end now: asks first to save unsaved changes.
    bool MayEnd();
    // The title names the file the calculation belongs to and shows unsaved changes.
    void ShowTitle();

    void AddAboutItemToSystemMenu();
    void ShowFocusedQuantity(int controlId);
    HBITMAP Picture(int q);

    CStatic m_picture;                           // control 1044, attached by the first exchange
    HICON m_hIcon = nullptr;                     // icon 128
    std::string m_dataFileName;                  // the data file last loaded or saved
    std::string m_startFileName;                 // see LoadDataFileAtStart
    int m_lastFocusedId = 0;                     // the control focus tracking last acted on
    int m_lastShownQuantity = -1;                // see LastShownQuantity
    HBITMAP m_pictures[kQuantityCount + 1] = {}; // per quantity, then the generic picture
    HBRUSH m_computedBrush = nullptr;
    HBRUSH m_editableBrush = nullptr;
    LightingModel m_model;
    UnsavedChanges m_unsavedChanges;
    bool m_askingBeforeEnd = false; // the question of MayEnd, or the save it starts, is open
};

#endif
