// The whole framework, the way afxwin.h offers MFC.
#ifndef LUMETRIX_FRAMEWORK_AFX_H
#define LUMETRIX_FRAMEWORK_AFX_H

#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/FileDialog.h"
#include "framework/Gdi.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"
#include "framework/WinTypes.h"
#include "framework/Wnd.h"

#endif
