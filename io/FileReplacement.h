#pragma once

#include <string>

// Replaces the content of a file as one step: the new content goes to a temporary file in the
// same folder, every write and the close are checked, and only then does it take the file's
// place. On any failure the temporary file is removed and the old file stays as it was.
// A folder or a read-only file is not replaced. Returns whether the file now has the content.
bool ReplaceFileContent(const std::string& path, const std::string& content);
