// The about box, opened from the main dialog's system menu: the icon, what the program is and
// who makes it, and OK.
#ifndef LUMETRIX_UI_ABOUTBOX_H
#define LUMETRIX_UI_ABOUTBOX_H

#include "framework/Dialog.h"

class AboutBox : public CDialog {
public:
    AboutBox();
    BOOL OnInitDialog() override;
};

#endif
