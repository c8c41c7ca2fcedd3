#include "ui/MainDialog.h"

// The data commands behind "Laden", "Speichern" and "Datenbank" do nothing yet.
void MainDialog::LoadDataFile() {}
void MainDialog::SaveDataFile() {}
void MainDialog::OnDatabase() {}
