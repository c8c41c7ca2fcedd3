#include "ui/filedialog/CompletionWorker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
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
    void Acquire() override { mutex_.lock(); }
    void Release() override { mutex_.unlock(); }

private:
    std::mutex mutex_;
};

const std::string kReset = "<reset>";
const std::string kShown = "<shown>";

// Folders, the list, the dialog and a clock, all in memory. What the worker posts is
// recorded in order: kReset, kShown or the name of a match. The test plays the dialog's side
// from the hooks, which run on the worker's thread as the worker reads, posts and sleeps.
class FakeSystem : public CompletionPorts {
public:
    std::map<std::string, Names> folders; // by search pattern
    std::size_t vanishAfter = SIZE_MAX;   // the folder goes away after this many names
    int postsToRefuse = 0;                // the next posts fail; -1: every post fails

    std::function<void()> onRead;  // after each name read
    std::function<void()> onPost;  // after each post taken, still under the lock
    std::function<void()> onSleep; // before each sleep
    std::function<void()> onIdle;  // before each idle rest

    Names posted;
    std::vector<std::string> searches;
    std::size_t namesRead = 0;
    int searchesClosed = 0;
    unsigned long now = 0; // milliseconds slept so far
    std::vector<unsigned> sleeps;

    bool FindFirst(const std::string& pattern, std::string& name) override {
        searches.push_back(pattern);
        const auto found = folders.find(pattern);
        if (found == folders.end()) {
            return false;
        }
        current_ = &found->second;
        next_ = 0;
        return FindNext(name);
    }
    bool FindNext(std::string& name) override {
        if (next_ >= current_->size() || next_ >= vanishAfter) {
            return false;
        }
        name = (*current_)[next_++];
        ++namesRead;
        Call(onRead);
        return true;
    }
    void CloseSearch() override { ++searchesClosed; }
    bool PostReset() override { return Post(kReset); }
    bool PostMatch(char* match) override {
        if (!Post(match)) {
            return false;
        }
        DeleteMatchCopy(match); // the list frees what it appended
        return true;
    }
    bool PostFirstMatchShown() override { return Post(kShown); }
    void Sleep(unsigned milliseconds) override {
        Call(milliseconds == CompletionWorker::kIdleRest ? onIdle : onSleep);
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }

    // The matches and notifications posted since the last reset.
    Names ListShown() const {
        Names shown;
        for (const std::string& post : posted) {
            if (post == kReset) {
                shown.clear();
            } else {
                shown.push_back(post);
            }
        }
        return shown;
    }

private:
    bool Post(const std::string& what) {
        if (postsToRefuse != 0) {
            postsToRefuse -= postsToRefuse > 0;
            return false;
        }
        posted.push_back(what);
        Call(onPost);
        return true;
    }
    static void Call(const std::function<void()>& hook) {
        if (hook) {
            hook();
        }
    }

    const Names* current_ = nullptr;
    std::size_t next_ = 0;
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

class CompletionWorkerTest : public ::testing::Test {
protected:
    void SetUp() override {
        system.folders["C:\\Daten\\*"] = {".", "..", "Raum1.lumx", "notiz.txt", "raum2.lumx"};
        copiesBefore = MatchCopiesAlive();
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
        EXPECT_EQ(MatchCopiesAlive(), copiesBefore) << "a match copy was not freed";
    }

    void Open(const std::string& folder, const std::string& typed) {
        session.ChangeFolder(folder);
        session.ChangeTypedText(typed);
    }

    MutexLock lock;
    CompletionSession session{lock};
    FakeSystem system;
    CompletionWorker worker{session, system};
    int copiesBefore = 0;
};

} // namespace

TEST_F(CompletionWorkerTest, ListsTheNamesOfTheFolderThatBeginWithTheTypedText) {
    struct Case {
        const char* typed;
        Names shown;
    };
    const Case cases[] = {
        {"ra", {"Raum1.lumx", kShown, "raum2.lumx"}},
        {"RAUM2", {"raum2.lumx", kShown}},
        {"n", {"notiz.txt", kShown}},
        {".", {}}, // "." and ".." are no names of the folder
        {"", {}},
        {"Daten\\ra", {}},
        {"x", {}},
    };
    for (const Case& c : cases) {
        FakeSystem fresh;
        fresh.folders = system.folders;
        MutexLock caseLock;
        CompletionSession caseSession(caseLock);
        CompletionWorker caseWorker(caseSession, fresh);
        caseSession.ChangeFolder("C:\\Daten");
        caseSession.ChangeTypedText(c.typed);
        fresh.onIdle = [&] { caseSession.Close(); };
        caseWorker.Run();
        EXPECT_EQ(fresh.ListShown(), c.shown) << c.typed;
        EXPECT_EQ(fresh.searches, Names{"C:\\Daten\\*"});
    }
}

TEST_F(CompletionWorkerTest, SearchPatternAddsASeparatorOnlyWhenNeeded) {
    const std::string longest = "C:\\" + std::string(252, 'a');
    Open("C:\\", "x");
    Run({[&] { session.ChangeFolder("D:/Daten/"); }, [&] { session.ChangeFolder(""); },
         [&] { session.ChangeFolder(longest); }, [&] { session.ChangeFolder(longest + "b"); }});
    // An empty folder is not read, nor one too long for the worker to take whole.
    EXPECT_EQ(system.searches, (Names{"C:\\*", "D:/Daten/*", longest + "\\*"}));
}

TEST_F(CompletionWorkerTest, AFolderGivesAtMostAbout2000NamesAndTheListAtMost100) {
    system.folders["C:\\Gross\\*"] = Numbered("name%04d", 5000);
    Open("C:\\Gross", "name");
    Run({[&] { session.ChangeTypedText("name2"); }});
    EXPECT_EQ(system.namesRead, 2001u);
    const Names shown = system.ListShown();
    EXPECT_EQ(shown, (Names{"name2000", kShown})); // of the 2001 names read, only the last
    const Names all = Numbered("name%04d", 100);
    Names firstTyped(system.posted.begin() + 2, system.posted.begin() + 103);
    firstTyped.erase(firstTyped.begin() + 1); // the notification after the first match
    EXPECT_EQ(firstTyped, all);
    EXPECT_EQ(system.posted[103], kReset);
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
    EXPECT_EQ(system.ListShown(), (Names{"Raum1.lumx", kShown, "raum2.lumx"}));
}

TEST_F(CompletionWorkerTest, TypedTextChangeDuringMatchingStartsTheListOver) {
    system.folders["C:\\Daten\\*"] = Numbered("r%03d", 300);
    Open("C:\\Daten", "r");
    system.onRead = [&] {
        if (system.posted.size() == 5) { // two resets, two matches and the notification
            session.ChangeTypedText("r29");
        }
    };
    Run();
    EXPECT_EQ(system.ListShown(), (Names{"r290", kShown, "r291", "r292", "r293", "r294", "r295",
                                         "r296", "r297", "r298", "r299"}));
}

TEST_F(CompletionWorkerTest, FailedPostsAreRetriedAfterTenMilliseconds) {
    Open("C:\\Daten", "ra");
    system.onRead = [&] {
        if (system.namesRead == 3) {
            system.postsToRefuse = 3; // the first match's post fails three times
        }
    };
    Run();
    EXPECT_EQ(system.ListShown(), (Names{"Raum1.lumx", kShown, "raum2.lumx"}));
    EXPECT_EQ(std::count(system.sleeps.begin(), system.sleeps.end(), CompletionWorker::kRetryWait),
              3);
}

TEST_F(CompletionWorkerTest, FirstMatchNotificationIsRetriedOnce) {
    Open("C:\\Daten", "raum1");
    system.onPost = [&] {
        if (system.posted.back() == "Raum1.lumx") {
            system.postsToRefuse = 2;
        }
    };
    Run();
    EXPECT_EQ(system.ListShown(), Names{"Raum1.lumx"});
    EXPECT_EQ(system.sleeps.front(), CompletionWorker::kRetryWait);
}

TEST_F(CompletionWorkerTest, MatchesRefusedForGoodAreFreedWhenTheDialogCloses) {
    system.folders["C:\\Daten\\*"] = Numbered("r%03d", 50);
    Open("C:\\Daten", "r");
    system.onRead = [&] { system.postsToRefuse = -1; }; // the list went away
    system.onSleep = [&] {
        if (system.now >= 200) {
            session.Close();
        }
    };
    Run(); // checks that every copy was freed
    EXPECT_GE(system.sleeps.size(), 20u);
}

TEST_F(CompletionWorkerTest, VanishingFolderAndLongNamesEndTheSearchQuietly) {
    const std::string longName(259, 'r');
    system.folders["C:\\Weg\\*"] = {longName, "ra", "rb"};
    system.vanishAfter = 2;
    Open("C:\\Weg", "r");
    Run();
    EXPECT_EQ(system.ListShown(), (Names{longName, kShown, "ra"}));
    EXPECT_EQ(system.searchesClosed, 1);
}

TEST_F(CompletionWorkerTest, BusyWorkerYieldsEvery256PassesAndAnIdleOnePollsEverySecond) {
    system.folders["C:\\Daten\\*"] = Numbered("n%04d", 1000);
    Open("C:\\Daten", "x");
    Run({[] {}, [] {}});
    const Names noMatches{};
    EXPECT_EQ(system.ListShown(), noMatches);
    // 1001 passes read the folder (the last finds its end), then it idles.
    EXPECT_EQ(system.sleeps, (std::vector<unsigned>{10, 10, 10, 1000, 1000, 1000}));
}

// The dialog and the worker on two threads, as in the program: the worker ends when the
// dialog closes, and nothing reaches the dialog's windows after that.
TEST(CompletionWorkerThreads, DialogClosingWhileTheWorkerMatchesEndsItAndNothingIsPostedAfter) {
    class ThreadedSystem : public FakeSystem {
    public:
        std::atomic<bool> closed{false};
        std::atomic<int> postsAfterClose{0};
        bool PostMatch(char* match) override {
            postsAfterClose += closed.load();
            DeleteMatchCopy(match);
            return true;
        }
        void Sleep(unsigned) override { std::this_thread::yield(); }
    };
    MutexLock lock;
    CompletionSession session(lock);
    ThreadedSystem system;
    system.folders["C:\\A\\*"] = Numbered("r%04d", 3000);
    system.folders["C:\\B\\*"] = Numbered("ra%03d", 500);
    const int copiesBefore = MatchCopiesAlive();

    std::thread worker([&] { CompletionWorker(session, system).Run(); });
    for (int round = 0; round < 200; ++round) {
        session.ChangeFolder(round % 2 == 0 ? "C:\\A" : "C:\\B");
        session.ChangeTypedText(round % 3 == 0 ? "r" : "ra0");
        std::this_thread::yield();
    }
    session.Close();
    system.closed = true;
    worker.join();
    EXPECT_EQ(system.postsAfterClose.load(), 0);
    EXPECT_EQ(MatchCopiesAlive(), copiesBefore);
}
