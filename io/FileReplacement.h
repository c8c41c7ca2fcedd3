#ifndef LUMETRIX_IO_FILEREPLACEMENT_H
#define LUMETRIX_IO_FILEREPLACEMENT_H

#include <string>

// Replaces the content of a file as one step: the new content goes to a temporary file of its
// own in the file's folder, every write is checked and flushed to the disk, and only then does
// it take the file's place, keeping the file's attributes and permissions. A symbolic link is
// followed and the file it leads to is saved. On any failure the temporary file is removed and
// the old file stays as it was. A folder, a device and a file that the user may not write are
// not replaced. Where no new file can be created in the folder, an existing file is written in
// place. Returns whether the file now has the content.
bool ReplaceFileContent(const std::string& path, const std::string& content);

#endif
