#include "ui/filedialog/CompletionWorker.h"

#include "ui/filedialog/CompletionMatch.h"

#include <atomic>
#include <cstring>

namespace {

std::atomic<int> matchCopiesAlive{0};

bool EndsWithSeparator(const std::string& path) {
    return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

} // namespace

char* NewMatchCopy(std::string_view name) {
    char* match = new char[name.size() + 1];
    std::memcpy(match, name.data(), name.size());
    match[name.size()] = '\0';
    ++matchCopiesAlive;
    return match;
}

void DeleteMatchCopy(char* match) {
    if (match != nullptr) {
        --matchCopiesAlive;
        delete[] match;
    }
}

int MatchCopiesAlive() {
    return matchCopiesAlive.load();
}

CompletionWorker::~CompletionWorker() {
    CloseSearch();
}

void CompletionWorker::Run() {
    while (session_.IsRunning()) {
        RunPass();
    }
}

void CompletionWorker::RunPass() {
    ++passes_;
    std::optional<std::string> found = ReadFolder();
    if (std::optional<std::string> typed = session_.TakeChangedTypedText()) {
        typed_ = *typed;
        RestartMatching();
    }
    if (found) {
        Collect(*found);
    }
    switch (MatchNextName()) {
    case Matching::Posted:
        return; // the next pass follows at once
    case Matching::PostFailed:
        ports_.Sleep(kRetryWait);
        return;
    default:
        Rest();
    }
}

// The next name of the current folder, starting over when the folder changed.
std::optional<std::string> CompletionWorker::ReadFolder() {
    std::optional<std::string> found;
    if (std::optional<std::string> folder = session_.TakeChangedFolder()) {
        StartFolder(*folder, found);
    } else if (searchOpen_) {
        std::string name;
        if (ports_.FindNext(name)) {
            found = std::move(name);
        } else {
            CloseSearch();
        }
    }
    return found;
}

void CompletionWorker::StartFolder(const std::string& folder, std::optional<std::string>& found) {
    CloseSearch();
    names_.clear();
    RestartMatching();
    if (folder.empty()) {
        return;
    }
    const std::string pattern = folder + (EndsWithSeparator(folder) ? "*" : "\\*");
    std::string name;
    searchOpen_ = ports_.FindFirst(pattern, name);
    if (searchOpen_) {
        found = std::move(name);
    }
}

void CompletionWorker::CloseSearch() {
    if (searchOpen_) {
        ports_.CloseSearch();
        searchOpen_ = false;
    }
}

void CompletionWorker::RestartMatching() {
    matchPosition_ = 0;
    matchCount_ = 0;
    session_.PostWhileOpen([this] { return ports_.PostReset(); });
}

void CompletionWorker::Collect(const std::string& name) {
    if (!IsCollectedName(name)) {
        return;
    }
    names_.push_back(name);
    if (names_.size() > kMaxCollectedNames) {
        CloseSearch();
    }
}

bool CompletionWorker::HasNamesToMatch() const {
    return !typed_.empty() && matchPosition_ < names_.size() && matchCount_ < kMaxMatches;
}

CompletionWorker::Matching CompletionWorker::MatchNextName() {
    if (!HasNamesToMatch()) {
        return Matching::Idle;
    }
    const std::string& name = names_[matchPosition_];
    if (!BeginsWithTypedText(name, typed_)) {
        ++matchPosition_;
        return Matching::Advanced;
    }
    if (!PostMatch(name)) {
        return Matching::PostFailed;
    }
    ++matchPosition_;
    if (++matchCount_ == 1) {
        TellFirstMatch();
    }
    return Matching::Posted;
}

// A copy the list did not take is freed here; the next try makes a new one.
bool CompletionWorker::PostMatch(const std::string& name) {
    char* match = NewMatchCopy(name);
    if (session_.PostWhileOpen([&] { return ports_.PostMatch(match); })) {
        return true;
    }
    DeleteMatchCopy(match);
    return false;
}

void CompletionWorker::TellFirstMatch() {
    const auto post = [this] { return ports_.PostFirstMatchShown(); };
    if (!session_.PostWhileOpen(post)) {
        ports_.Sleep(kRetryWait);
        session_.PostWhileOpen(post);
    }
}

// A worker with names still to read or match yields now and then; an idle one polls slowly.
void CompletionWorker::Rest() {
    if (searchOpen_ || HasNamesToMatch()) {
        if (passes_ % kPassesBetweenRests == 0) {
            ports_.Sleep(kBusyRest);
        }
    } else {
        ports_.Sleep(kIdleRest);
    }
}
