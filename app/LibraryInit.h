// Preparing the process for the file-dialog extension: runs once at start-up, before the
// first file dialog opens.
#ifndef LUMETRIX_APP_LIBRARYINIT_H
#define LUMETRIX_APP_LIBRARYINIT_H

#include "framework/WinTypes.h"

// `module` is the module whose common-dialog imports go through the extension; null stands
// for the program's own executable. Returns 1.
int InitLibrary(HMODULE module);

#endif
