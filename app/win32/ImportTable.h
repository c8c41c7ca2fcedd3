// The functions a loaded module imports from the system's common-dialog library, found in its
// import table.
#ifndef LUMETRIX_APP_WIN32_IMPORTTABLE_H
#define LUMETRIX_APP_WIN32_IMPORTTABLE_H

#include <windows.h>

#include <functional>

// Calls `visit` with the name and the address-table slot of every function that `module`
// imports by name from comdlg32.dll. At most 256 import descriptors and 4096 entries are
// looked at; entries imported by ordinal are passed over.
void ForEachCommonDialogImport(HMODULE module,
                               const std::function<void(const char* name, FARPROC* slot)>& visit);

#endif
