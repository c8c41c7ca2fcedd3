#ifndef LUMETRIX_UI_QUANTITYCONTROLS_H
#define LUMETRIX_UI_QUANTITYCONTROLS_H

#include "model/Quantity.h"

// The controls of each quantity on the main dialog: its edit, its checkbox and the picture the
// help panel shows while it has the focus. The catalogue (model/Quantity.h) knows no window.
struct QuantityControls {
    int editId;
    int checkboxId;
    int pictureId;
};

// q must be a quantity index (0 to 22).
const QuantityControls& ControlsOf(int q);

// The quantity whose edit (or checkbox) has this control id, or kNoQuantity.
int QuantityOfEdit(int controlId);
int QuantityOfCheckbox(int controlId);

#endif
