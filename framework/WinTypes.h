// The Win32 API as the framework sees it: the real one for the Windows build, the in-memory
// window system of the headless build otherwise. Both offer the same names and values.
#ifndef LUMETRIX_FRAMEWORK_WINTYPES_H
#define LUMETRIX_FRAMEWORK_WINTYPES_H

#ifdef LUMETRIX_WIN32
#include <windows.h>

#include <commdlg.h>
#else
#include "framework/HeadlessWin32Api.h"
#endif

#endif
