#include "ui/filedialog/CompletionWorker.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Recursive, so that the dialog may close from inside a post, which holds the lock.
class RecursiveLock : public CompletionLock {
public:
    void Acquire() override { mutex_.lock(); }
    void Release() override { mutex_.unlock(); }

private:
    std::recursive_mutex mutex_;
};

// A folder of 100 000 files; every hundredth is a room file that the typed "raum" matches.
const std::vector<std::string>& LargeFolder() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> made;
        for (int i = 0; i < 100000; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, i % 100 == 99 ? "Raum%06d.lumx" : "Datei%06d.txt", i);
            made.push_back(name);
        }
        return made;
    }();
    return names;
}

// Reads the large folder, takes every post and counts the time the worker would sleep.
// The session closes at the first match or when the worker first rests idle.
class FolderInMemory : public CompletionPorts {
public:
    FolderInMemory(CompletionSession& session, bool untilFirstMatch)
        : session_(session), untilFirstMatch_(untilFirstMatch) {}

    bool FindFirst(const std::string&, std::string& name) override {
        next_ = 0;
        return FindNext(name);
    }
    bool FindNext(std::string& name) override {
        if (next_ == LargeFolder().size()) {
            return false;
        }
        name = LargeFolder()[next_++];
        return true;
    }
    void CloseSearch() override {}
    bool PostReset() override { return true; }
    bool PostMatch(char* match) override {
        DeleteMatchCopy(match);
        ++matches;
        return true;
    }
    bool PostFirstMatchShown() override {
        if (untilFirstMatch_) {
            session_.Close();
        }
        return true;
    }
    void Sleep(unsigned milliseconds) override {
        if (milliseconds == CompletionWorker::kIdleRest) {
            session_.Close();
        } else {
            slept += milliseconds;
        }
    }

    long matches = 0;
    long slept = 0;

private:
    CompletionSession& session_;
    bool untilFirstMatch_;
    std::size_t next_ = 0;
};

void RunWorker(benchmark::State& state, bool untilFirstMatch) {
    long slept = 0;
    long matches = 0;
    for (auto _ : state) {
        RecursiveLock lock;
        CompletionSession session(lock);
        FolderInMemory folder(session, untilFirstMatch);
        session.ChangeFolder("C:\\Gross");
        session.ChangeTypedText("raum");
        CompletionWorker(session, folder).Run();
        slept = folder.slept;
        matches = folder.matches;
    }
    // What the real worker adds by yielding the processor while it reads.
    state.counters["slept_ms"] = double(slept);
    state.counters["matches"] = double(matches);
}

// From the typed text to the first match posted to the list.
void CompletionFirstMatch(benchmark::State& state) {
    RunWorker(state, true);
}
BENCHMARK(CompletionFirstMatch)->Unit(benchmark::kMicrosecond);

// Reading the folder (up to its 2000 names) and matching all of it, until the worker idles.
void CompletionWholePass(benchmark::State& state) {
    RunWorker(state, false);
}
BENCHMARK(CompletionWholePass)->Unit(benchmark::kMicrosecond);

} // namespace
