// The folders the system names for the program: its working folder and the user's Documents.
#ifndef LUMETRIX_FRAMEWORK_KNOWNFOLDERS_H
#define LUMETRIX_FRAMEWORK_KNOWNFOLDERS_H

#include <string>

// What separates the folders of the system's paths.
#ifdef LUMETRIX_WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// The working folder's full path, without a final separator; empty when the system does not
// tell it in the program's code page.
std::string WorkingFolder();

// The user's Documents folder, without a final separator; empty when the system names none or
// names one that the program's code page cannot write. Windows gives its known folder
// (FOLDERID_Documents), redirected wherever the user moved it. The headless system takes the
// environment variable LUMETRIX_DOCUMENTS (empty: none), and without it $HOME/Documents, so that
// tests point it at a folder of their own.
std::string DocumentsFolder();

#endif
