#include "ui/filedialog/CompletionMatch.h"

namespace {

// Windows-1252 capitals to small letters: A-Z, the accented capitals 0xC0 to 0xDE except the
// multiplication sign, and the capitals whose small letter lies elsewhere.
unsigned char SmallLetter(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A: // S with caron
    case 0x8C: // OE
    case 0x8E: // Z with caron
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F: // Y with diaeresis
        return 0xFF;
    default:
        return c;
    }
}

} // namespace

bool IsCollectedName(std::string_view name) {
    return name != "." && name != "..";
}

bool BeginsWithTypedText(std::string_view name, std::string_view typed) {
    if (typed.size() > name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (SmallLetter(static_cast<unsigned char>(name[i])) !=
            SmallLetter(static_cast<unsigned char>(typed[i]))) {
            return false;
        }
    }
    return true;
}
