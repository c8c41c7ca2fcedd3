// How the main dialog ends without losing work: with unsaved changes it first asks whether to
// save them, and its title tells the user all along which file the calculation belongs to and
// whether it holds changes that are in no file yet.
#include "ui/MainDialog.h"

namespace {

const char* const kSaveQuestion = "Die Berechnung wurde ge\xE4ndert. Vor dem Beenden speichern ?";
const char* const kQuestionCaption = "Lumetrix";

} // namespace

void MainDialog::OnOK() {
    if (MayEnd()) {
        CDialog::OnOK();
    }
}

void MainDialog::OnCancel() {
    if (MayEnd()) {
        CDialog::OnCancel();
    }
}

// Ja runs "Speichern", its file dialog and overwrite question included, and lets the dialog end
// only when the calculation went to a file; Nein lets it end; Abbrechen keeps it open. Whatever
// does not end it returns the focus to where it was, and the field the user left for the
// question still shows what was typed (see OnCmdMsg). A second request to end while the
// question is open is ignored.
bool MainDialog::MayEnd() {
    if (m_askingBeforeEnd) {
        return false;
    }
    if (!m_calculation.HasUnsavedChanges()) {
        return true;
    }
    HWND focus = ::GetFocus();
    m_askingBeforeEnd = true;
    const int answer =
        MessageBox(kSaveQuestion, kQuestionCaption, MB_YESNOCANCEL | MB_ICONQUESTION);
    const bool mayEnd = answer == IDNO || (answer == IDYES && SaveCalculation());
    m_askingBeforeEnd = false;
    if (!mayEnd && focus != nullptr && ::IsWindow(focus) && ::GetFocus() != focus) {
        ::SetFocus(focus);
    }
    return mayEnd;
}

void MainDialog::ShowTitle(const std::string& title) {
    std::string shown;
    GetWindowText(shown);
    if (shown != title) {
        SetWindowText(title.c_str());
    }
}
