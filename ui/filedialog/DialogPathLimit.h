// How long a path the system's file dialog can take from its file-name field. The dialog joins
// the typed text to its current folder in a buffer of MAX_PATH characters without checking the
// length, so a longer path ends the program; the extension keeps every text within it.
#ifndef LUMETRIX_UI_FILEDIALOG_DIALOGPATHLIMIT_H
#define LUMETRIX_UI_FILEDIALOG_DIALOGPATHLIMIT_H

#include <cstddef>
#include <string>

// The most characters the field takes: a path and its terminator fill MAX_PATH.
constexpr std::size_t kFieldTextLimit = 259;

// Whether the dialog can take the typed text in its current folder: a path with a drive as it
// is, one beginning with a separator after a drive, anything else after the folder and a
// separator.
bool FitsFileDialog(const std::string& typed, const std::string& currentFolder);

#endif
