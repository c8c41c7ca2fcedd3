// The file dialog's completion offers only names that Windows-1252 can show.
#include "support/Windows1252.h"

#include <gtest/gtest.h>

TEST(CompletionName, OnlyNamesMadeOfWindows1252CharactersAreOffered) {
    struct Case {
        std::u16string name;
        const char* offered; // null: not offered
    };
    const Case cases[] = {
        {u"Raum1.lumx", "Raum1.lumx"},
        {u"\u00C4rger \u00DF\u00FF.lumx", "\xC4rger \xDF\xFF.lumx"}, // Ärger ßÿ
        {u"\u20AC \u0160\u0152\u017D\u0178 \u2122", "\x80 \x8A\x8C\x8E\x9F \x99"},
        {u"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"}, // bytes without a letter
        {u"ra\u0141\u00F3d\u017A.lumx", nullptr}, // raŁódź: Ł and ź are not in the code page
        {u"\u0080", nullptr},                     // the control character, not the euro
        {u"\u0100", nullptr},
        {u"\u65E5\u672C.lumx", nullptr},
        {u"\xD83D\xDE00.lumx", nullptr}, // a character beyond the basic plane
        {u"", ""},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> offered = Windows1252FromUtf16(c.name);
        EXPECT_EQ(offered.has_value(), c.offered != nullptr);
        if (offered && c.offered != nullptr) {
            EXPECT_EQ(*offered, c.offered);
        }
    }
}
