#ifndef LUMETRIX_SUPPORT_BLANKS_H
#define LUMETRIX_SUPPORT_BLANKS_H

#include <string_view>

// A blank is a space, a tab, a carriage return or a line feed: what the program passes over in
// field texts and strips from the names in data files and the lamp database.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text without the blanks at either end.
inline std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

#endif
