#ifndef LUMETRIX_UI_CHOICEDIALOGTEMPLATE_H
#define LUMETRIX_UI_CHOICEDIALOGTEMPLATE_H

#include "framework/WinTypes.h"
#include "resources/resource.h" // the template's control ids, IDC_CHOICE_...

// The choice dialog's layout, held in the program's data rather than in the resources:
// a prompt line over a drop-down list, OK and "Abbrechen", titled "Auswahl". Both comboboxes
// start hidden; the dialog shows the one it uses.
const DLGTEMPLATE* ChoiceDialogTemplate();

#endif
