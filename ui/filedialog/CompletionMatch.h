// Which names of a folder the completion list offers for a typed text.
#ifndef LUMETRIX_UI_FILEDIALOG_COMPLETIONMATCH_H
#define LUMETRIX_UI_FILEDIALOG_COMPLETIONMATCH_H

#include <cstddef>
#include <string_view>

// A folder contributes at most about this many names: its search ends once more are held.
constexpr std::size_t kMaxCollectedNames = 2000;
// The list shows at most this many matches of one typed text.
constexpr int kMaxMatches = 100;

// Every entry of a folder counts except its "." and ".." entries.
bool IsCollectedName(std::string_view name);

// Whether the name begins with the typed text, without regard to the case of letters
// (Windows-1252). A typed text with a folder part matches nothing, as names hold no '\'.
bool BeginsWithTypedText(std::string_view name, std::string_view typed);

#endif
