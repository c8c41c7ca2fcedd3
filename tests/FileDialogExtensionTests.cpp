// What the file dialog extension decides without a window: the size of the first dialog, the
// place of the completion list and of the folder menu, when the list shows and how the keys
// move through it, the folder history's registry value name, recording a chosen folder, the
// field's texts within their limits, and the registry data, read whatever it holds.
#include "ui/filedialog/CompletionListRules.h"
#include "ui/filedialog/DialogLayout.h"
#include "ui/filedialog/FieldTextLimits.h"
#include "ui/filedialog/FolderHistoryRules.h"
#include "ui/filedialog/HistoryData.h"
#include "ui/filedialog/HistoryValueName.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Strings = std::vector<std::string>;

TEST(FileDialogSizeTest, FirstDialogGrowsWithIconsAboveThirtyTwoPixels) {
    const struct {
        int iconWidth, extraHeight, width, height;
    } cases[] = {{32, 0, 600, 450},
                 {16, 0, 600, 450},
                 {40, 0, 750, 562},
                 {48, 100, 900, 825},
                 {33, 0, 618, 464}};
    for (const auto& c : cases) {
        const DialogSize size = EnlargedSize(c.iconWidth, c.extraHeight);
        EXPECT_EQ(size.width, c.width) << c.iconWidth;
        EXPECT_EQ(size.height, c.height) << c.iconWidth;
    }
}

TEST(FileDialogSizeTest, CompletionListIsAsTallAsItsEntriesUpToTenRows) {
    const struct {
        int entries, height;
    } cases[] = {{1, 15}, {0, 15}, {3, 41}, {10, 132}, {100, 132}};
    for (const auto& c : cases) {
        EXPECT_EQ(CompletionListHeight(c.entries, 13, 1), c.height) << c.entries;
    }
}

// Under the field, unless it would cover the control below or run off the work area while there
// is room above.
TEST(FileDialogSizeTest, CompletionListSitsUnderTheFieldOrOverIt) {
    const ScreenRect field{100, 500, 400, 521};
    const ScreenRect under{100, 521, 380, 641};
    const ScreenRect over{100, 380, 380, 500};
    constexpr int kNothing = 1 << 30;
    const struct {
        FieldSurroundings around;
        ScreenRect place;
    } cases[] = {
        {{0, 1000, kNothing}, under},
        {{0, 641, kNothing}, under},
        {{0, 640, kNothing}, over},
        {{0, 530, kNothing}, over},
        {{0, 1000, 641}, under},
        {{0, 1000, 530}, over},   // the "Dateityp" field below
        {{380, 1000, 530}, over}, // just room above
        {{381, 1000, 530}, under},
        {{381, 600, 530}, over}, // no room either way: as far as the screen goes
    };
    for (const auto& c : cases) {
        const FieldSurroundings& a = c.around;
        const ScreenRect place = CompletionListPlace(field, 120, a);
        const std::string where = std::to_string(a.workAreaTop) + "-" +
                                  std::to_string(a.workAreaBottom) + ", next field " +
                                  std::to_string(a.nextFieldTop);
        EXPECT_EQ(place.left, c.place.left) << where;
        EXPECT_EQ(place.top, c.place.top) << where;
        EXPECT_EQ(place.right, c.place.right) << where;
        EXPECT_EQ(place.bottom, c.place.bottom) << where;
    }
}

TEST(FolderMenuTest, OpensOnTheBackgroundAndLabelsAndFromTheKeyboardOnPlainControls) {
    const struct {
        bool isFrame;
        const char* className;
        bool fromKeyboard, offered;
    } cases[] = {
        {true, "#32770", false, true},          {true, "#32770", true, true},
        {false, "Static", false, true},         {false, "STATIC", true, true},
        {false, "Button", false, false},        {false, "Button", true, true},
        {false, "Edit", true, false},           {false, "ComboBox", true, false},
        {false, "SysListView32", true, false},  {false, "SHELLDLL_DefView", true, false},
        {false, "ToolbarWindow32", true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OffersFolderMenu(c.isFrame, c.className, c.fromKeyboard), c.offered)
            << c.className << (c.fromKeyboard ? " from the keyboard" : " clicked");
    }
}

TEST(FolderMenuTest, FromTheKeyboardItOpensAtTheControlTowardsTheDialogsMiddle) {
    const ScreenRect dialog{100, 100, 700, 550};
    const struct {
        ScreenRect control;
        MenuPlace place;
    } cases[] = {
        {{600, 480, 680, 500}, {640, 490, true, true}},   // "Abbrechen", bottom right
        {{110, 110, 200, 130}, {155, 120, false, false}}, // top left
        {{110, 480, 200, 500}, {155, 490, false, true}},
        {{600, 110, 680, 130}, {640, 120, true, false}},
    };
    for (const auto& c : cases) {
        const MenuPlace place = KeyboardMenuPlace(c.control, dialog);
        EXPECT_EQ(place.x, c.place.x) << c.control.left << "," << c.control.top;
        EXPECT_EQ(place.y, c.place.y) << c.control.left << "," << c.control.top;
        EXPECT_EQ(place.rightAligned, c.place.rightAligned) << c.control.left;
        EXPECT_EQ(place.bottomAligned, c.place.bottomAligned) << c.control.top;
    }
}

TEST(CompletionListTest, ShowsWithEntriesForATypedTextAndNeverOverTheHistory) {
    const struct {
        CompletionListView view;
        ListShowing showing;
    } cases[] = {
        {{3, true, false}, ListShowing::Show}, // shown, or placed again by its entries
        {{0, true, false}, ListShowing::Hide},
        {{3, false, false}, ListShowing::Keep}, // the field was emptied meanwhile
        {{3, true, true}, ListShowing::Keep},   // the history drop-down is open
    };
    for (const auto& c : cases) {
        const CompletionListView& v = c.view;
        EXPECT_EQ(ShowingAfterChange(v), c.showing)
            << v.entries << v.typedText << v.historyDroppedDown;
    }
}

TEST(CompletionListTest, UpAndDownMoveOneEntryAndStopAtTheEnds) {
    const struct {
        int selected, entries;
        bool down;
        int next;
    } cases[] = {{-1, 3, true, 0},  {-1, 3, false, -1}, {0, 3, true, 1},  {1, 3, false, 0},
                 {0, 3, false, -1}, {2, 3, true, -1},   {0, 1, true, -1}, {-1, 0, true, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(NextCompletionEntry(c.selected, c.entries, c.down), c.next)
            << c.selected << (c.down ? " down" : " up") << " of " << c.entries;
    }
}

TEST(FolderHistoryTest, SelectedEntryIsCutToTheReadersBuffer) {
    const struct {
        std::size_t length, capacity, answered;
    } cases[] = {{10, 11, 10}, {10, 10, 9},      {10, 1, 0},     {10, 0, 0},
                 {0, 5, 0},    {1023, 300, 299}, {1024, 300, 0}, {1024, 1025, 1024}};
    for (const auto& c : cases) {
        EXPECT_EQ(EntryForBuffer(std::string(c.length, 'x'), c.capacity),
                  std::string(c.answered, 'x'))
            << c.length << " into " << c.capacity;
    }
}

TEST(FolderHistoryTest, ValueNameFollowsTheDefaultExtension) {
    const struct {
        const char* defaultExtension;
        const char* name;
    } cases[] = {
        {"*.lumx", "OfnListLumx"},
        {nullptr, "OfnList"},
        {"", "OfnList"},
        {"*.", "OfnList"},
        {"LUMX", "OfnListLumx"},
        {"txt", "OfnListTxt"},
        {"a.b.Csv", "OfnListCsv"},
        {"*.*", "OfnList"},
        {"*.l?mX", "OfnListMx"},
        {"*.1abc", "OfnList1abc"},
        {"*.\xE4Rger", "OfnList\xE4rger"}, // only a to z change to upper case
        {"*.abcdefghijklmnopqrstuvwxyzABC", "OfnListAbcdefghijklmnopqrstuvwx"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HistoryValueName(c.defaultExtension), c.name)
            << (c.defaultExtension ? c.defaultExtension : "(none)");
    }
}

// A file system of a few paths; everything else is missing.
PathLookUp FileSystem(std::map<std::string, PathKind> paths) {
    return [paths](const std::string& path) {
        auto found = paths.find(path);
        return found == paths.end() ? PathKind::Missing : found->second;
    };
}

TEST(FolderHistoryTest, FolderOfAChosenPath) {
    const PathLookUp lookUp = FileSystem({{"C:\\Daten", PathKind::Folder},
                                          {"C:\\Daten\\Raum1.lumx", PathKind::File},
                                          {"C:", PathKind::Folder},
                                          {"D:/Plan/Raum.lumx", PathKind::File},
                                          {"Raum.lumx", PathKind::File}});
    const struct {
        const char* path;
        bool save;
        std::optional<std::string> folder;
        bool namedFile;
    } cases[] = {
        {"C:\\Daten\\Raum1.lumx", false, "C:\\Daten\\", true},
        {"C:\\Daten\\Raum1.lumx", true, "C:\\Daten\\", true}, // saving over an existing file
        {"C:\\Daten\\neu.lumx", true, std::nullopt, false},   // saving under a new name
        {"C:\\Daten\\neu.lumx", false, "C:\\Daten\\", false}, // open: the parent folder
        {"C:\\Daten", false, "C:\\Daten\\", false},
        {"C:\\Daten\\", false, "C:\\Daten\\", false},
        {"C:\\Daten/", true, "C:\\Daten\\", false},
        {"C:\\", false, "C:\\", false},
        {"D:/Plan/Raum.lumx", false, "D:/Plan/", true},
        {"C:\\Fehlt\\neu.lumx", false, std::nullopt, false}, // the parent is missing too
        {"neu.lumx", false, std::nullopt, false},            // no folder part to fall back to
        {"\\neu.lumx", false, std::nullopt, false},          // a separator at 0 is no folder part
        {"Raum.lumx", false, std::nullopt, false},           // a file without a folder part
        {"", false, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path) + (c.save ? " (save)" : " (open)"));
        std::optional<FolderToRecord> record = FindFolderToRecord(c.path, c.save, lookUp);
        ASSERT_EQ(record.has_value(), c.folder.has_value());
        if (record) {
            EXPECT_EQ(record->folder, *c.folder);
            EXPECT_EQ(record->namedFile, c.namedFile);
        }
    }
}

// A typed folder is recorded as the absolute folder the dialog opens, not as typed.
TEST(FolderHistoryTest, TypedPathsAreTakenInTheDialogsFolder) {
    const struct {
        const char* typed;
        const char* folder;
        const char* absolute;
    } cases[] = {
        {"Alt", "C:\\Daten", "C:\\Daten\\Alt"},
        {"Alt\\", "C:\\Daten\\", "C:\\Daten\\Alt\\"},
        {"Alt/Neu", "C:\\Daten", "C:\\Daten\\Alt\\Neu"},
        {".\\Alt", "C:\\Daten", "C:\\Daten\\Alt"},
        {"..\\Plan", "C:\\Daten\\Alt", "C:\\Daten\\Plan"},
        {"..\\..\\..", "C:\\Daten", "C:\\"},
        {"..", "C:\\", "C:\\"},
        {"\\Plan", "D:\\Daten", "D:\\Plan"},
        {"C:\\Daten\\Raum1.lumx", "D:\\", "C:\\Daten\\Raum1.lumx"},
        {"D:/Plan", "C:\\", "D:/Plan"},
        {"\\\\server\\share", "C:\\", "\\\\server\\share"},
        {"Alt", "", ""}, // no folder to take it in: nothing to record
        {"", "C:\\Daten", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AbsolutePath(c.typed, c.folder), c.absolute) << c.typed << " in " << c.folder;
    }
}

// The system dialog joins the typed text to its folder in a buffer of 260 characters.
TEST(FolderHistoryTest, TypedPathsFitTheDialogsBuffer) {
    const std::string folder200 = "C:\\" + std::string(197, 'f');
    const struct {
        std::string typed;
        std::string folder;
        bool fits;
    } cases[] = {
        {"C:\\" + std::string(256, 'x'), folder200, true},
        {"C:\\" + std::string(257, 'x'), "C:\\", false},
        {"\\" + std::string(256, 'x'), "C:\\", true}, // the drive goes in front
        {"\\" + std::string(257, 'x'), "C:\\", false},
        {std::string(58, 'x'), folder200, true}, // 200 + separator + 58
        {std::string(59, 'x'), folder200, false},
        {std::string(58, 'x'), folder200 + "\\", true},
        {std::string(59, 'x'), folder200 + "\\", false},
        {std::string(280, 'x'), "C:\\", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FitsFileDialog(c.typed, c.folder), c.fits)
            << c.typed.size() << " in " << c.folder.size();
    }
}

// The history as a list, as the combobox holds it.
struct ListHistory : EditableHistory {
    explicit ListHistory(Strings before) : entries(std::move(before)) {}
    Strings Entries() const override { return entries; }
    void InsertOnTop(const std::string& folder) override {
        entries.insert(entries.begin(), folder);
    }
    void RemoveAt(int position) override { entries.erase(entries.begin() + position); }
    void SelectTop() override { topSelected = true; }

    Strings entries;
    bool topSelected = false;
};

TEST(FolderHistoryTest, RecordingPutsTheFolderOnTopOnce) {
    // The folder to record as plain text: a std::string inside the table's elements makes
    // GCC 12 at -O3 warn that the table's clean-up may read strings never built.
    struct Record {
        const char* folder;
        bool namedFile;
    };
    const struct {
        const char* what;
        Strings before;
        Record record;
        Strings after;
        bool selectTop;
    } cases[] = {
        {"a new folder goes on top",
         {"D:\\"},
         {"C:\\Daten\\", true},
         {"C:\\Daten\\", "D:\\"},
         false},
        {"into an empty history", {}, {"C:\\Daten\\", false}, {"C:\\Daten\\"}, false},
        {"the top folder again changes nothing",
         {"C:\\Daten\\", "D:\\"},
         {"c:\\daten\\", false},
         {"C:\\Daten\\", "D:\\"},
         false},
        {"a folder further down moves up and is selected",
         {"D:\\", "C:\\Daten\\", "E:\\"},
         {"C:\\Daten\\", false},
         {"C:\\Daten\\", "D:\\", "E:\\"},
         true},
        {"moved up for a file, not selected",
         {"D:\\", "C:\\Daten\\"},
         {"C:\\Daten\\", true},
         {"C:\\Daten\\", "D:\\"},
         false},
        {"an entry that begins with the folder is replaced",
         {"D:\\", "C:\\Daten\\Alt\\", "C:\\Daten\\"},
         {"C:\\Daten\\", false},
         {"C:\\Daten\\", "D:\\", "C:\\Daten\\"},
         true},
        {"case folds for accented letters too",
         {"D:\\", "C:\\B\xDC"
                  "CHER\\"},
         {"c:\\b\xFC"
          "cher\\",
          true},
         {"c:\\b\xFC"
          "cher\\",
          "D:\\"},
         false},
        {"S, Z and Y with caron or diaeresis and OE fold as the list box's search folds them",
         {"D:\\", "C:\\\x8A\x8C\x8E\x9F\\"},
         {"c:\\\x9A\x9C\x9E\xFF\\", false},
         {"c:\\\x9A\x9C\x9E\xFF\\", "D:\\"},
         true},
        {"a longer folder is new beside a shorter one",
         {"C:\\Daten\\"},
         {"C:\\Daten\\Alt\\", false},
         {"C:\\Daten\\Alt\\", "C:\\Daten\\"},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ListHistory history(c.before);
        RecordInHistory(history, {c.record.folder, c.record.namedFile});
        EXPECT_EQ(history.entries, c.after);
        EXPECT_EQ(history.topSelected, c.selectTop);
    }
}

std::string Data(const Strings& strings, bool closed = true) {
    std::string data;
    for (const std::string& s : strings) {
        data += s + '\0';
    }
    return closed ? data + '\0' : data;
}

Strings Folders(std::size_t count, std::size_t length = 10) {
    Strings folders;
    for (std::size_t i = 0; i < count; ++i) {
        folders.push_back("C:\\" + std::string(length - 4, static_cast<char>('a' + i % 26)) + "\\");
    }
    return folders;
}

TEST(FolderHistoryTest, RegistryDataIsReadWithinItsLimits) {
    const Strings two = {"C:\\Daten\\", "D:\\"};
    const std::string long259(259, 'x');
    const struct {
        const char* what;
        unsigned long type;
        std::string data;
        Strings folders;
    } cases[] = {
        {"a multi-string", kMultiStringType, Data(two), two},
        {"not a multi-string", 1, Data(two), {}},
        {"binary", 3, Data(two), {}},
        {"no final terminator", kMultiStringType, Data(two, false), two},
        {"last string unterminated", kMultiStringType, "C:\\Daten\\", {"C:\\Daten\\"}},
        {"empty data", kMultiStringType, "", {}},
        {"an empty string ends the list",
         kMultiStringType,
         std::string("A\\\0\0B\\\0\0", 8),
         {"A\\"}},
        {"an empty first string", kMultiStringType, std::string("\0A\\\0\0", 5), {}},
        {"only the first 32 strings", kMultiStringType, Data(Folders(40)), Folders(32)},
        {"more than 4096 bytes", kMultiStringType, Data(Folders(30, 250)), Folders(30, 250)},
        {"259 characters fit a path", kMultiStringType, Data({long259}), {long259}},
        {"longer strings are left out", kMultiStringType, Data({long259 + "x", "D:\\"}), {"D:\\"}},
        {"left-out strings count among the 32", kMultiStringType,
         Data({long259 + "x"}, false) + Data(Folders(40)), Folders(31)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReadHistoryData(c.type, c.data), c.folders);
    }
}

// The registry's own wide strings keep folders that the ANSI code page cannot name, so that
// they can be written back as they were.
TEST(FolderHistoryTest, WideRegistryDataKeepsEveryCharacter) {
    const std::vector<std::u16string> folders = {u"C:\\ra\u0141\u00F3d\u017A\\", u"D:\\"};
    const std::u16string data = MakeHistoryData(folders);
    EXPECT_EQ(data,
              std::u16string(u"C:\\ra\u0141\u00F3d\u017A\\") + u'\0' + u"D:\\" + u'\0' + u'\0');
    EXPECT_EQ(ReadHistoryData(kMultiStringType, data), folders);
}

TEST(FolderHistoryTest, SavedDataHoldsTheFirst16EntriesWithin4096Bytes) {
    const Strings bigs = Folders(20, 1000);
    const std::string kb = std::string(1022, 'x') + "\\"; // 1023 characters, 1024 bytes stored
    const struct {
        const char* what;
        Strings entries;
        Strings saved;
    } cases[] = {
        {"nothing", {}, {}},
        {"17 entries keep the 16 newest", Folders(17), Folders(16)},
        {"an entry past 4096 bytes is skipped, a shorter one after it still fits",
         {bigs[0], bigs[1], bigs[2], bigs[3], bigs[4], "D:\\"},
         {bigs[0], bigs[1], bigs[2], bigs[3], "D:\\"}},
        {"empty entries are left out", {"A\\", "", "B\\"}, {"A\\", "B\\"}},
        {"exactly 4096 bytes", {kb, kb, kb, kb.substr(1)}, {kb, kb, kb, kb.substr(1)}},
        {"one byte more", {kb, kb, kb, kb}, {kb, kb, kb}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string data = MakeHistoryData(c.entries);
        EXPECT_LE(data.size(), kHistoryDataLimit);
        EXPECT_TRUE(data == Data(c.saved)); // equality only: the texts are long
    }
}

} // namespace
