#include "ui/filedialog/CompletionWorker.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Recursive, so that the list may take the changes, and the dialog close, from inside a post,
// which holds the lock.
class RecursiveLock : public CompletionLock {
public:
    void Acquire() override { m_mutex.lock(); }
    void Release() override { m_mutex.unlock(); }

private:
    std::recursive_mutex m_mutex;
};

// A folder of 100 000 files; every hundredth is a room file that the typed "raum" matches.
const std::vector<std::u16string>& LargeFolder() {
    static const std::vector<std::u16string> names = [] {
        std::vector<std::u16string> made;
        for (int i = 0; i < 100000; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, i % 100 == 99 ? "Raum%06d.lumx" : "Datei%06d.txt", i);
            made.emplace_back(name, name + std::char_traits<char>::length(name));
        }
        return made;
    }();
    return names;
}

bool SameLetter(char16_t a, char16_t b) {
    const auto small = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
    };
    return small(a) == small(b);
}

// Reads the large folder as the system would, the names that begin with a typed text included;
// the list takes the changes whenever the worker is not holding the lock, and the session
// closes at the first match or when the worker first rests idle.
class FolderInMemory : public CompletionPorts {
public:
    FolderInMemory(CompletionSession& session, bool untilFirstMatch)
        : m_session(session), m_untilFirstMatch(untilFirstMatch) {}

    bool FindFirst(const std::string& pattern, std::u16string& name) override {
        const std::size_t start = pattern.find_last_of('\\') + 1;
        m_start.assign(pattern.begin() + start, pattern.end() - 1);
        m_next = 0;
        return FindNext(name);
    }
    bool FindNext(std::u16string& name) override {
        TakeListChanges();
        for (; m_next < LargeFolder().size(); ++m_next) {
            const std::u16string& entry = LargeFolder()[m_next];
            if (entry.size() >= m_start.size() &&
                std::equal(m_start.begin(), m_start.end(), entry.begin(), SameLetter)) {
                name = LargeFolder()[m_next++];
                return true;
            }
        }
        return false;
    }
    void CloseSearch() override {}
    bool PostListChanged() override {
        m_told = true;
        return true;
    }
    void Sleep(unsigned milliseconds) override {
        TakeListChanges();
        if (milliseconds == CompletionWorker::kIdleRest) {
            m_session.Close();
        }
    }
    void GiveWay() override {
        TakeListChanges();
        ++yields;
    }
    // The list's side, as soon as the worker lets go of the lock.
    void TakeListChanges() {
        if (!m_told) {
            return;
        }
        m_told = false;
        const CompletionListChanges changes = m_session.TakeListChanges();
        matches = (changes.reset ? 0 : matches) + static_cast<long>(changes.matches.size());
        if (m_untilFirstMatch && matches > 0) {
            m_session.Close();
        }
    }

    long matches = 0;
    long yields = 0;

private:
    CompletionSession& m_session;
    bool m_untilFirstMatch;
    std::u16string m_start;
    std::size_t m_next = 0;
    bool m_told = false;
};

void RunWorker(benchmark::State& state, const char* typed, bool untilFirstMatch) {
    long matches = 0;
    long yields = 0;
    for (auto _ : state) {
        RecursiveLock lock;
        CompletionSession session(lock);
        FolderInMemory folder(session, untilFirstMatch);
        session.ChangeFolder("C:\\Gross");
        session.ChangeTypedText(typed);
        CompletionWorker(session, folder).Run();
        matches = folder.matches;
        yields = folder.yields;
    }
    state.counters["matches"] = static_cast<double>(matches);
    state.counters["yields"] = static_cast<double>(yields);
}

// From the typed text to the first match for the list: the folder is too large to hold, so the
// worker reads the names it can hold and then asks for those that begin with the text.
void CompletionFirstMatch(benchmark::State& state) {
    RunWorker(state, "raum", true);
}
BENCHMARK(CompletionFirstMatch)->Unit(benchmark::kMicrosecond);

// The same until the worker idles, with the list's 100 matches.
void CompletionWholePass(benchmark::State& state) {
    RunWorker(state, "raum", false);
}
BENCHMARK(CompletionWholePass)->Unit(benchmark::kMicrosecond);

// A typed text whose names lie at the end of the folder's order.
void CompletionMatchesAtTheEnd(benchmark::State& state) {
    RunWorker(state, "raum09", false);
}
BENCHMARK(CompletionMatchesAtTheEnd)->Unit(benchmark::kMicrosecond);

} // namespace
