#ifndef LUMETRIX_SUPPORT_WINDOWS1252_H
#define LUMETRIX_SUPPORT_WINDOWS1252_H

#include <optional>
#include <string>
#include <string_view>

// The program keeps its texts in Windows-1252; the host system and the script driver speak UTF-8.

// Every byte becomes one character. The five bytes Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same number, U+0081 and so on.
std::string Utf8FromWindows1252(std::string_view text);

// The inverse: nothing when the text is not well-formed UTF-8 or holds a character that
// Windows-1252 cannot hold.
std::optional<std::string> Windows1252FromUtf8(std::string_view text);

// A text of the system's UTF-16 names in Windows-1252: nothing when one of its characters has
// no place there (the undefined bytes stand for the control characters, as above).
std::optional<std::string> Windows1252FromUtf16(std::u16string_view text);

// For texts from outside that must be shown whatever they hold: every well-formed character
// that Windows-1252 holds becomes its byte, every other character and every byte of a
// malformed sequence becomes '?'.
std::string Windows1252FromUtf8Replacing(std::string_view text);

bool IsWellFormedUtf8(std::string_view text);

// A text file's bytes in Windows-1252. A file in UTF-8, one that starts with the byte order mark
// or is well-formed UTF-8 holding a character beyond ASCII, is converted without its mark as
// Windows1252FromUtf8Replacing converts; any other file is taken as it is.
std::string Windows1252FromTextFile(std::string_view bytes);

#endif
