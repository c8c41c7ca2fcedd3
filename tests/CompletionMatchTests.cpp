// The file dialog's completion: which names of a folder match the typed text.
#include "ui/filedialog/CompletionMatch.h"

#include <gtest/gtest.h>

TEST(CompletionMatch, NameBeginsWithTheTypedTextWithoutRegardToCase) {
    struct Case {
        const char* name;
        const char* typed;
        bool matches;
    };
    const Case cases[] = {
        {"Raum1.lumx", "ra", true},
        {"raum2.lumx", "RA", true},
        {"Raum1.lumx", "Raum1.lumx", true},
        {"Raum1.lumx", "", true},
        {"\xC4rger.lumx", "\xE4r", true}, // Ärger, typed är
        {"\x8Akoda.lumx", "\x9Ak", true}, // Škoda, typed šk
        {"\xD7.lumx", "\xF7", false},     // multiplication and division signs differ
        {"Raum", "raum1", false},         // typed text longer than the name
        {"Raum1.lumx", "rb", false},
        {"Raum1.lumx", "Daten\\ra", false}, // a folder part matches nothing
        {"Raum1.lumx", "C:\\Daten\\Raum", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BeginsWithTypedText(c.name, c.typed), c.matches) << c.name << " / " << c.typed;
    }
}

TEST(CompletionMatch, FolderEntriesOtherThanSelfAndParentAreCollected) {
    EXPECT_FALSE(IsCollectedName("."));
    EXPECT_FALSE(IsCollectedName(".."));
    for (const char* name : {"...", ".lumx", "a", "Raum1.lumx"}) {
        EXPECT_TRUE(IsCollectedName(name)) << name;
    }
}
