// The lengths of the file-name field's texts. How long a path the system's file dialog can take
// from the field: the dialog joins the typed text to its current folder in a buffer of MAX_PATH
// characters without checking the length, so a longer path ends the program. The field itself
// takes far more, so that nothing typed, pasted or dropped is ever cut; OK refuses a text the
// dialog cannot take before the dialog sees it. And how a history entry is cut to a reader's
// buffer.
#ifndef LUMETRIX_UI_FILEDIALOG_FIELDTEXTLIMITS_H
#define LUMETRIX_UI_FILEDIALOG_FIELDTEXTLIMITS_H

#include <cstddef>
#include <string>

// The longest path the dialog takes: a path and its terminator fill MAX_PATH.
constexpr std::size_t kLongestDialogPath = 259;
// The most characters the field takes: the longest path Windows knows. A text cut at this
// length is far too long for the dialog anyway, and is refused.
constexpr std::size_t kFieldTextLimit = 32767;

// What the user is told when a path is too long for the dialog.
constexpr const char* kPathTooLongMessage = "Der Dateipfad ist zu lang !";

// Whether the dialog can take the typed text in its current folder: a path with a drive as it
// is, one beginning with a separator after a drive, anything else after the folder and a
// separator.
bool FitsFileDialog(const std::string& typed, const std::string& currentFolder);

// A selected history entry as the field answers it into a buffer of `capacity` characters, the
// terminator included: cut to fit, except that an entry of 1024 characters or more that does
// not fit reads as empty. No buffer takes nothing.
std::string EntryForBuffer(std::string entry, std::size_t capacity);

#endif
