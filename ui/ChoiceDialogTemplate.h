#ifndef LUMETRIX_UI_CHOICEDIALOGTEMPLATE_H
#define LUMETRIX_UI_CHOICEDIALOGTEMPLATE_H

#include "framework/WinTypes.h"

// Control ids of the choice dialog's built-in template.
constexpr int IDC_CHOICE_PROMPT = 1131;
constexpr int IDC_CHOICE_LIST = 1132;     // fixed drop-down list, the one this program uses
constexpr int IDC_CHOICE_EDITABLE = 1133; // editable combobox on top of it, never shown

// The choice dialog's layout, held in the program's data rather than in the resources:
// a prompt line over a drop-down list, OK and "Abbrechen", titled "Auswahl". Both comboboxes
// start hidden; the dialog shows the one it uses.
const DLGTEMPLATE* ChoiceDialogTemplate();

#endif
