// Comparing names without regard to case, as the system's list and combo boxes compare in
// their searches (CB_FINDSTRING): a Windows-1252 letter is folded to its small letter.
#ifndef LUMETRIX_UI_FILEDIALOG_CASEFOLDING_H
#define LUMETRIX_UI_FILEDIALOG_CASEFOLDING_H

#include <string_view>

// A-Z, the accented capitals 0xC0 to 0xDE except the multiplication sign, and the capitals
// whose small letter lies elsewhere: S and Z with caron, OE, Y with diaeresis.
constexpr unsigned char SmallLetter(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

constexpr bool BeginsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (SmallLetter(static_cast<unsigned char>(text[i])) !=
            SmallLetter(static_cast<unsigned char>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

#endif
