#ifndef LUMETRIX_UI_NUMERICFIELDEXCHANGE_H
#define LUMETRIX_UI_NUMERICFIELDEXCHANGE_H

#include "framework/DataExchange.h"

// Moves value between the dialog's edit `id` and the variable, in the text form of
// ui/NumericText.h with the given decimals (clamped to 0..9). Writing sets the edit's text only
// when it differs from what the edit shows, so an unchanged field neither repaints nor reports
// a change. A dialog without that control leaves field and value alone.
void DDX_NumericField(CDataExchange* pDX, int id, double& value, int decimals);

#endif
