// The names the completion list may offer: the system keeps file names in UTF-16, the program
// works in Windows-1252, so only a name made entirely of Windows-1252 characters can be typed,
// shown and opened as it is. Any other name would reach the program changed (a best-fit "L"
// for an "Ł") and name another file or none.
#ifndef LUMETRIX_UI_FILEDIALOG_COMPLETIONNAME_H
#define LUMETRIX_UI_FILEDIALOG_COMPLETIONNAME_H

#include <optional>
#include <string>
#include <string_view>

// The name in Windows-1252, or nothing when one of its characters has no place there.
std::optional<std::string> NameInWindows1252(std::u16string_view name);

#endif
