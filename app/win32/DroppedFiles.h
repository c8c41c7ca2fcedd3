// Files dropped onto the program's dialogs.
#ifndef LUMETRIX_APP_WIN32_DROPPEDFILES_H
#define LUMETRIX_APP_WIN32_DROPPEDFILES_H

// Lets files be dropped onto our dialogs from programs with fewer rights.
void AcceptDroppedFiles();

#endif
