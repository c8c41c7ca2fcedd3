// The application object: runs the main dialog and ends the program when it closes.
#ifndef LUMETRIX_APP_LUMETRIXAPP_H
#define LUMETRIX_APP_LUMETRIXAPP_H

#include "framework/WinApp.h"

class LumetrixApp : public CWinApp {
public:
    BOOL InitInstance() override;
};

extern LumetrixApp theApp;

#endif
