// The file dialog's completion worker: the names it lists for a typed text, and how it starts
// over or carries on when the text or the folder changes during a search.
#include "ui/filedialog/CompletionWorker.h"

#include "ui/filedialog/CompletionMatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Names = std::vector<std::string>;

class MutexLock : public CompletionLock {
public:
    void Acquire() override { m_mutex.lock(); }
    void Release() override { m_mutex.unlock(); }

private:
    std::mutex m_mutex;
};

// The names as the system keeps them; the tests write them in UTF-8.
std::u16string Utf16(const std::string& utf8) {
    std::u16string wide;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : 3;
        char32_t c = length == 1 ? byte : byte & (length == 2 ? 0x1F : 0x0F);
        for (int k = 1; k < length; ++k) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        wide.push_back(static_cast<char16_t>(c));
        i += length;
    }
    return wide;
}

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

// Folders, the list, the dialog and a clock, all in memory. The test plays the dialog's side
// from the hooks, which run on the worker's thread as the worker reads and sleeps; the list
// takes the queued changes as soon as the worker lets go of the lock after telling it.
class FakeSystem : public CompletionPorts {
public:
    std::map<std::string, Names> folders; // by search pattern "folder\*"
    std::size_t vanishAfter = SIZE_MAX;   // the folder goes away after this many names
    int postsToRefuse = 0;                // the next posts fail; -1: every post fails
    CompletionSession* session = nullptr; // the list's, for taking the changes

    std::function<void()> onRead;  // after each name read
    std::function<void()> onSleep; // before each short sleep
    std::function<void()> onIdle;  // before each idle rest

    Names list; // what the list shows
    int posts = 0;
    std::vector<std::string> searches;
    std::size_t namesRead = 0;
    int searchesClosed = 0;
    unsigned long now = 0; // milliseconds slept so far
    std::vector<unsigned> sleeps;
    int givenWay = 0;

    // A pattern ending in "*" after a typed text finds the names of its folder that begin with
    // it, without regard to case, as the system does.
    bool FindFirst(const std::string& pattern, std::u16string& name) override {
        TakeListChanges();
        searches.push_back(pattern);
        const std::size_t separator = pattern.find_last_of('\\');
        const auto found = folders.find(pattern.substr(0, separator + 1) + "*");
        if (found == folders.end()) {
            return false;
        }
        const std::string start = pattern.substr(separator + 1, pattern.size() - separator - 2);
        m_current.clear();
        for (const std::string& entry : found->second) {
            if (entry.size() >= start.size() &&
                std::equal(start.begin(), start.end(), entry.begin(), SameLetter)) {
                m_current.push_back(entry);
            }
        }
        m_next = 0;
        return FindNext(name);
    }
    bool FindNext(std::u16string& name) override {
        TakeListChanges();
        if (m_next >= m_current.size() || m_next >= vanishAfter) {
            return false;
        }
        name = Utf16(m_current[m_next++]);
        ++namesRead;
        Call(onRead);
        return true;
    }
    void CloseSearch() override { ++searchesClosed; }
    bool PostListChanged() override {
        if (postsToRefuse != 0) {
            postsToRefuse -= postsToRefuse > 0;
            return false;
        }
        ++posts;
        m_told = true;
        return true;
    }
    void Sleep(unsigned milliseconds) override {
        TakeListChanges();
        Call(milliseconds == CompletionWorker::kIdleRest ? onIdle : onSleep);
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }
    void GiveWay() override {
        TakeListChanges();
        ++givenWay;
    }

    // The list's side: only a told list looks for changes.
    void TakeListChanges() {
        if (!m_told || session == nullptr) {
            return;
        }
        m_told = false;
        CompletionListChanges changes = session->TakeListChanges();
        if (changes.reset) {
            list.clear();
        }
        list.insert(list.end(), changes.matches.begin(), changes.matches.end());
    }

private:
    static void Call(const std::function<void()>& hook) {
        if (hook) {
            hook();
        }
    }

    Names m_current;
    std::size_t m_next = 0;
    bool m_told = false;
};

Names Numbered(const char* format, int count) {
    Names names;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, format, i);
        names.push_back(name);
    }
    return names;
}

// What the list shows once a fresh dialog on `folder` with `typed` has its worker idle; the
// searches made into `searches`.
Names ShownFor(const std::map<std::string, Names>& folders, const std::string& folder,
               const std::string& typed, Names* searches = nullptr,
               std::size_t* namesRead = nullptr) {
    MutexLock lock;
    CompletionSession session(lock);
    FakeSystem system;
    system.folders = folders;
    system.session = &session;
    CompletionWorker worker(session, system);
    session.ChangeFolder(folder);
    session.ChangeTypedText(typed);
    system.onIdle = [&] { session.Close(); };
    worker.Run();
    if (searches != nullptr) {
        *searches = system.searches;
    }
    if (namesRead != nullptr) {
        *namesRead = system.namesRead;
    }
    return system.list;
}

class CompletionWorkerTest : public ::testing::Test {
protected:
    void SetUp() override {
        system.folders["C:\\Daten\\*"] = {".", "..", "Raum1.lumx", "notiz.txt", "raum2.lumx"};
        system.session = &session;
    }

    // Runs the worker on this thread. Each time it rests idle, the next of `whenIdle` runs as
    // the dialog's action; when none is left, the dialog closes.
    void Run(std::vector<std::function<void()>> whenIdle = {}) {
        std::size_t next = 0;
        system.onIdle = [&] {
            if (next < whenIdle.size()) {
                whenIdle[next++]();
            } else {
                session.Close();
            }
        };
        worker.Run();
    }

    void Open(const std::string& folder, const std::string& typed) {
        session.ChangeFolder(folder);
        session.ChangeTypedText(typed);
    }

    MutexLock lock;
    CompletionSession session{lock};
    FakeSystem system;
    CompletionWorker worker{session, system};
};

} // namespace

TEST_F(CompletionWorkerTest, ListsTheNamesOfTheFolderThatBeginWithTheTypedText) {
    struct Case {
        const char* typed;
        Names shown;
    };
    const Case cases[] = {
        {"ra", {"Raum1.lumx", "raum2.lumx"}},
        {"RAUM2", {"raum2.lumx"}},
        {"n", {"notiz.txt"}},
        {".", {}}, // "." and ".." are no names of the folder
        {"", {}},
        {"Daten\\ra", {}},
        {"x", {}},
    };
    for (const Case& c : cases) {
        Names searches;
        EXPECT_EQ(ShownFor(system.folders, "C:\\Daten", c.typed, &searches), c.shown) << c.typed;
        EXPECT_EQ(searches, Names{"C:\\Daten\\*"});
    }
}

// Names the program could not open as they are shown, because the code page has no place for
// one of their characters, are not offered; their best-fit look-alike is.
TEST_F(CompletionWorkerTest, NamesOutsideTheCodePageAreNotOffered) {
    system.folders["C:\\Polen\\*"] = {u8"ra\u0141\u00F3d\u017A.lumx", u8"raL\u00F3dz.lumx",
                                      u8"\u00C4rger.lumx"};
    EXPECT_EQ(ShownFor(system.folders, "C:\\Polen", "ra"), Names{"raL\xF3"
                                                                 "dz.lumx"});
    EXPECT_EQ(ShownFor(system.folders, "C:\\Polen", "\xE4"), Names{"\xC4rger.lumx"}); // ä
}

TEST_F(CompletionWorkerTest, SearchPatternAddsASeparatorOnlyWhenNeeded) {
    const std::string longest = "C:\\" + std::string(252, 'a');
    Open("C:\\", "x");
    Run({[&] { session.ChangeFolder("D:/Daten/"); }, [&] { session.ChangeFolder(""); },
         [&] { session.ChangeFolder(longest); }, [&] { session.ChangeFolder(longest + "b"); }});
    // An empty folder is not read, nor one too long for the worker to take whole.
    EXPECT_EQ(system.searches, (Names{"C:\\*", "D:/Daten/*", longest + "\\*"}));
}

// The worker holds about 2000 names of a folder; in a larger one it asks the system for the
// typed text, so names anywhere in the folder appear, at most 100 of them.
TEST_F(CompletionWorkerTest, AFolderTooLargeToHoldIsSearchedForTheTypedText) {
    system.folders["C:\\Gross\\*"] = Numbered("name%05d", 50000);
    struct Case {
        const char* typed;
        std::size_t shown;
        const char* first;
    };
    const Case cases[] =
        {
            {"name00", 100, "name00000"}, // matches among the names held: found again
            {"NAME4932", 10, "name49320"}, {"name49999", 1, "name49999"},
            {"name", 100, "name00000"},    {"name5", 0, nullptr},
            {"name4*", 0, nullptr}, // no wildcards, no folders: the system is not asked
            {"a\\name", 0, nullptr},
        };
    for (const Case& c : cases) {
        Names searches;
        std::size_t namesRead = 0;
        const Names shown = ShownFor(system.folders, "C:\\Gross", c.typed, &searches, &namesRead);
        ASSERT_EQ(shown.size(), c.shown) << c.typed;
        if (c.first != nullptr) {
            EXPECT_EQ(shown.front(), c.first) << c.typed;
        }
        Names expected{"C:\\Gross\\*"};
        if (c.shown > 0 || c.typed == std::string("name5")) {
            expected.push_back("C:\\Gross\\" + std::string(c.typed) + "*");
        }
        EXPECT_EQ(searches, expected) << c.typed;
        // The folder up to just past the names it can hold, then at most as many again.
        EXPECT_LE(namesRead, 2 * (kMaxCollectedNames + 1)) << c.typed;
    }
}

// Once the system found every name that begins with a text, a longer text is matched among
// them; a shorter one, or a longer one than a search too large to hold, asks again.
TEST_F(CompletionWorkerTest, NamesFoundForATypedTextServeTheLongerTexts) {
    system.folders["C:\\Gross\\*"] = Numbered("name%05d", 50000);
    Open("C:\\Gross", "name493");
    std::vector<Names> shown;
    const auto type = [&](const char* typed) {
        return [this, &shown, typed] {
            shown.push_back(system.list);
            session.ChangeTypedText(typed);
        };
    };
    Run({type("name4932"), type("name493"), type("name49"), type("name"), type("name1234")});
    EXPECT_EQ(system.searches, (Names{"C:\\Gross\\*", "C:\\Gross\\name493*", "C:\\Gross\\name49*",
                                      "C:\\Gross\\name*", "C:\\Gross\\name1234*"}));
    EXPECT_EQ(shown[1].size(), 10u); // name4932, from the names held
    EXPECT_EQ(shown[2].size(), 100u);
    EXPECT_EQ(system.list, Numbered("name1234%d", 10));
}

// A search still reading for a shorter text gives way to a search for the longer one.
TEST_F(CompletionWorkerTest, LongerTextTypedDuringASearchIsSearchedAtOnce) {
    system.folders["C:\\Gross\\*"] = Numbered("name%05d", 50000);
    Open("C:\\Gross", "n");
    const std::size_t folderRead = kMaxCollectedNames + 1;
    system.onRead = [&] {
        if (system.namesRead == folderRead + 10) {
            session.ChangeTypedText("name4932");
        }
    };
    Run();
    EXPECT_EQ(system.searches, (Names{"C:\\Gross\\*", "C:\\Gross\\n*", "C:\\Gross\\name4932*"}));
    EXPECT_EQ(system.namesRead, folderRead + 10 + 10);
    EXPECT_EQ(system.list, Numbered("name4932%d", 10));
}

TEST_F(CompletionWorkerTest, FolderChangeDuringASearchStartsOverInTheNewFolder) {
    Names first = Numbered("a%03d", 1000);
    first.push_back("Raum0.lumx");
    system.folders["C:\\Alt\\*"] = first;
    Open("C:\\Alt", "ra");
    system.onRead = [&] {
        if (system.namesRead == 10) {
            session.ChangeFolder("C:\\Daten");
        }
    };
    Run({[&] { session.ChangeTypedText("ra"); }});
    EXPECT_EQ(system.searches, (Names{"C:\\Alt\\*", "C:\\Daten\\*"}));
    EXPECT_EQ(system.searchesClosed,
              2); // the old search when the folder changed, the new at its end
    EXPECT_EQ(system.list, (Names{"Raum1.lumx", "raum2.lumx"}));
}

TEST_F(CompletionWorkerTest, TypedTextChangeDuringMatchingStartsTheListOver) {
    system.folders["C:\\Daten\\*"] = Numbered("r%03d", 300);
    Open("C:\\Daten", "r");
    system.onRead = [&] {
        if (system.list.size() == 2) {
            session.ChangeTypedText("r29");
        }
    };
    Run();
    EXPECT_EQ(system.list, (Names{"r290", "r291", "r292", "r293", "r294", "r295", "r296", "r297",
                                  "r298", "r299"}));
}

// The matches wait in the session; one post tells the list of all that came until it looks.
// The list never sees a match of an older text after the reset for a newer one, nor an empty
// list between two texts while a match follows.
TEST_F(CompletionWorkerTest, MatchesWaitInTheSessionAndOnePostTellsOfAllOfThem) {
    CompletionListChanges unasked = session.TakeListChanges(); // as a message from anyone
    EXPECT_FALSE(unasked.reset);
    EXPECT_TRUE(unasked.matches.empty());

    system.folders["C:\\Daten\\*"] = Numbered("r%03d", 300);
    system.session = nullptr; // the list does not look while the worker matches
    Open("C:\\Daten", "r29");
    Run({[&] {
        EXPECT_EQ(system.posts, 1);
        CompletionListChanges changes = session.TakeListChanges();
        EXPECT_TRUE(changes.reset);
        EXPECT_EQ(changes.matches, (Names{"r290", "r291", "r292", "r293", "r294", "r295", "r296",
                                          "r297", "r298", "r299"}));
        EXPECT_TRUE(session.TakeListChanges().matches.empty()); // taken once
    }});

    MutexLock otherLock;
    CompletionSession other(otherLock);
    FakeSystem looking;
    looking.folders = system.folders;
    looking.session = &other;
    std::vector<Names> seen;
    bool emptiedBetween = false;
    looking.onSleep = looking.onRead = [&] {
        emptiedBetween |= !seen.empty() && looking.list.empty();
        if (!looking.list.empty() && (seen.empty() || seen.back() != looking.list)) {
            seen.push_back(looking.list);
        }
    };
    CompletionWorker otherWorker(other, looking);
    other.ChangeFolder("C:\\Daten");
    other.ChangeTypedText("r1");
    int texts = 0;
    looking.onIdle = [&] {
        if (++texts == 1) {
            other.ChangeTypedText("r2");
        } else {
            other.Close();
        }
    };
    otherWorker.Run();
    for (const Names& list : seen) {
        const char tens = list.front()[1];
        for (const std::string& name : list) {
            EXPECT_EQ(name[1], tens) << "a match of an older text after the reset";
        }
    }
    EXPECT_EQ(looking.list.size(), 100u);
    EXPECT_EQ(looking.list.front(), "r200");
    EXPECT_FALSE(emptiedBetween);
}

// An emptied list hears of it once the worker finds no match for the new text.
TEST_F(CompletionWorkerTest, AListWithoutMatchesIsToldToEmpty) {
    Open("C:\\Daten", "ra");
    Run({[&] { session.ChangeTypedText("rax"); }});
    EXPECT_EQ(system.list, Names{});
    EXPECT_EQ(system.posts, 3); // one for each match, as the list took each, and the emptying
}

TEST_F(CompletionWorkerTest, FailedPostsAreRetriedAfterTenMilliseconds) {
    Open("C:\\Daten", "ra");
    system.onRead = [&] {
        if (system.namesRead == 3) {
            system.postsToRefuse = 3; // the first match's post fails three times
        }
    };
    Run();
    EXPECT_EQ(system.list, (Names{"Raum1.lumx", "raum2.lumx"}));
    EXPECT_EQ(std::count(system.sleeps.begin(), system.sleeps.end(), CompletionWorker::kRetryWait),
              2); // the post with the match, then two tries at the end of the pass
}

TEST_F(CompletionWorkerTest, ListGoneForGoodEndsTheWorkerWhenTheDialogCloses) {
    system.folders["C:\\Daten\\*"] = Numbered("r%03d", 50);
    Open("C:\\Daten", "r");
    system.onRead = [&] { system.postsToRefuse = -1; }; // the list went away
    system.onSleep = [&] {
        if (system.now >= 200) {
            session.Close();
        }
    };
    Run();
    EXPECT_GE(system.sleeps.size(), 20u);
    EXPECT_TRUE(session.TakeListChanges().matches.empty()); // a closed session keeps nothing
}

TEST_F(CompletionWorkerTest, VanishingFolderAndLongNamesEndTheSearchQuietly) {
    const std::string longName(259, 'r');
    system.folders["C:\\Weg\\*"] = {longName, "ra", "rb"};
    system.vanishAfter = 2;
    Open("C:\\Weg", "r");
    Run();
    EXPECT_EQ(system.list, (Names{longName, "ra"}));
    EXPECT_EQ(system.searchesClosed, 1);
}

TEST_F(CompletionWorkerTest, BusyWorkerGivesWayEvery256PassesAndAnIdleOneRests) {
    system.folders["C:\\Daten\\*"] = Numbered("n%04d", 1000);
    Open("C:\\Daten", "x");
    Run({[] {}, [] {}});
    EXPECT_EQ(system.list, Names{});
    // 1001 passes read the folder (the last finds its end), then it idles.
    EXPECT_EQ(system.givenWay, 3);
    EXPECT_EQ(system.sleeps, (std::vector<unsigned>{1000, 1000, 1000}));
}

// Every change from the dialog wakes a resting worker.
TEST(CompletionSession, EveryChangeFromTheDialogWakesTheWorker) {
    struct CountingWakeUp final : CompletionWakeUp {
        int wakes = 0;
        void Wake() override { ++wakes; }
    };
    auto wakeUp = std::make_shared<CountingWakeUp>();
    MutexLock lock;
    CompletionSession session(lock, wakeUp);
    session.ChangeFolder("C:\\Daten");
    session.ChangeTypedText("r");
    session.TakeListChanges();
    session.QueueMatch("raum");
    EXPECT_EQ(wakeUp->wakes, 2);
    session.Close();
    EXPECT_EQ(wakeUp->wakes, 3);
}

// The dialog and the worker on two threads, as in the program: the worker rests until a change
// wakes it, the list takes the matches while the worker queues more, the worker ends when the
// dialog closes, and nothing reaches the dialog's windows after that.
TEST(CompletionWorkerThreads, ListTakesMatchesWhileTheWorkerQueuesAndClosingEndsIt) {
    class WakeUp final : public CompletionWakeUp {
    public:
        void Wake() override {
            std::lock_guard<std::mutex> guard(m_mutex);
            m_woken = true;
            m_changed.notify_one();
        }
        void Wait(unsigned milliseconds) {
            std::unique_lock<std::mutex> guard(m_mutex);
            m_changed.wait_for(guard, std::chrono::milliseconds(milliseconds),
                               [&] { return m_woken; });
            m_woken = false;
        }

    private:
        std::mutex m_mutex;
        std::condition_variable m_changed;
        bool m_woken = false;
    };
    class ThreadedSystem : public FakeSystem {
    public:
        explicit ThreadedSystem(WakeUp& wakeUp) : m_wakeUp(wakeUp) {}
        std::atomic<bool> closed{false};
        std::atomic<int> postsAfterClose{0};
        std::atomic<int> told{0};
        bool PostListChanged() override {
            postsAfterClose += closed.load();
            ++told;
            return true;
        }
        void Sleep(unsigned milliseconds) override { m_wakeUp.Wait(milliseconds); }
        void GiveWay() override { std::this_thread::yield(); }

    private:
        WakeUp& m_wakeUp;
    };
    auto wakeUp = std::make_shared<WakeUp>();
    MutexLock lock;
    CompletionSession session(lock, wakeUp);
    ThreadedSystem system(*wakeUp);
    system.folders["C:\\A\\*"] = Numbered("r%04d", 3000);
    system.folders["C:\\B\\*"] = Numbered("ra%03d", 500);

    std::thread worker([&] { CompletionWorker(session, system).Run(); });
    std::size_t shown = 0;
    const auto takeChanges = [&] {
        const CompletionListChanges changes = session.TakeListChanges();
        shown = (changes.reset ? 0 : shown) + changes.matches.size();
    };
    for (int round = 0; round < 200; ++round) {
        session.ChangeFolder(round % 2 == 0 ? "C:\\A" : "C:\\B");
        session.ChangeTypedText(round % 3 == 0 ? "r" : "ra0");
        takeChanges();
        std::this_thread::yield();
    }
    // The last text, "ra0" in C:\B, has 100 matches; then the worker rests until a change.
    const auto patience = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while ((system.told.load() == 0 || shown < 100) &&
           std::chrono::steady_clock::now() < patience) {
        takeChanges();
        std::this_thread::yield();
    }
    session.Close();
    system.closed = true;
    worker.join(); // at once: closing wakes the resting worker
    EXPECT_EQ(system.postsAfterClose.load(), 0);
    EXPECT_EQ(shown, 100u);
}
