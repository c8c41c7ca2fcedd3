#include "ui/filedialog/CompletionWorker.h"

#include "ui/filedialog/CompletionMatch.h"
#include "ui/filedialog/CompletionName.h"

#include <string_view>

namespace {

bool EndsWithSeparator(const std::string& path) {
    return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

// A typed text the system can look for as the beginning of names in the folder itself: no
// folder part and no wildcard or other character that no name holds.
bool IsSearchableStart(std::string_view typed) {
    return !typed.empty() && typed.find_first_of("\\/:*?\"<>|") == std::string_view::npos;
}

// A name the list may offer: in Windows-1252, and not the "." or ".." of the folder.
std::optional<std::string> OfferableName(const std::u16string& found) {
    std::optional<std::string> name = NameInWindows1252(found);
    if (name && !IsCollectedName(*name)) {
        name.reset();
    }
    return name;
}

} // namespace

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
    if (std::optional<std::string> folder = session_.TakeChangedFolder()) {
        StartFolder(*folder);
    }
    if (std::optional<std::string> typed = session_.TakeChangedTypedText()) {
        typed_ = *typed;
        RestartMatching();
    }
    if (std::optional<std::u16string> found = NextName()) {
        Collect(*found);
    }
    MatchNextName();
    // The list hears of matches at once, of an emptied list only once no match follows soon:
    // it never flickers empty between two texts.
    if (listToTell_ && (matchCount_ > 0 || !IsBusy()) && !TellList()) {
        ports_.Sleep(kRetryWait);
        return;
    }
    Rest();
}

void CompletionWorker::StartFolder(const std::string& folder) {
    CloseSearch();
    folderTooLarge_ = false;
    folder_ = folder.empty() || EndsWithSeparator(folder) ? folder : folder + "\\";
    HoldNothing();
    RestartMatching();
    if (!folder.empty()) {
        StartSearch(Search::Folder, "");
    }
}

// Reads the names of the folder that begin with `start` into the names held.
void CompletionWorker::StartSearch(Search search, const std::string& start) {
    CloseSearch();
    HoldNothing();
    heldStart_ = start;
    std::u16string name;
    if (ports_.FindFirst(folder_ + start + "*", name)) {
        search_ = search;
        firstName_ = std::move(name);
    } else {
        allHeld_ = true; // no name begins with it
    }
}

void CompletionWorker::CloseSearch() {
    if (search_ != Search::None) {
        ports_.CloseSearch();
        search_ = Search::None;
    }
    firstName_.reset();
}

void CompletionWorker::HoldNothing() {
    names_.clear();
    heldStart_.clear();
    allHeld_ = false;
}

// The search's next name; at its end the search closes, with all its names held.
std::optional<std::u16string> CompletionWorker::NextName() {
    std::optional<std::u16string> found;
    if (firstName_) {
        found.swap(firstName_);
    } else if (search_ != Search::None) {
        std::u16string name;
        if (ports_.FindNext(name)) {
            found = std::move(name);
        } else {
            CloseSearch();
            allHeld_ = true;
        }
    }
    return found;
}

// Whether the names held are all of the folder's names that begin with the typed text. A search
// still reading for a shorter text gives way: it may find more names than can be held, and then
// the longer text needs a search of its own anyway.
bool CompletionWorker::HoldsNamesForTypedText() const {
    return allHeld_ && BeginsWithTypedText(typed_, heldStart_);
}

// The list empties, and the typed text is matched from the first name held on. In a folder too
// large to hold, the system is asked for the names that begin with it, unless they are held.
void CompletionWorker::RestartMatching() {
    matchPosition_ = 0;
    matchCount_ = 0;
    session_.QueueListReset();
    listToTell_ = true;
    if (!folderTooLarge_ || typed_.empty() || HoldsNamesForTypedText()) {
        return;
    }
    CloseSearch();
    HoldNothing();
    if (IsSearchableStart(typed_)) {
        StartSearch(Search::TypedText, typed_);
    }
}

// The system also finds names by their short form: only those that begin with the searched
// text as they are shown are held.
void CompletionWorker::Collect(const std::u16string& found) {
    std::optional<std::string> name = OfferableName(found);
    if (!name || !BeginsWithTypedText(*name, heldStart_)) {
        return;
    }
    names_.push_back(std::move(*name));
    if (names_.size() <= kMaxCollectedNames) {
        return;
    }
    // Too many to hold. Those held give the matches of the text searched for; for the whole
    // folder or a longer text they may miss some, and the system is asked for that text.
    const bool wholeFolder = search_ == Search::Folder;
    CloseSearch();
    if (wholeFolder || typed_.size() > heldStart_.size()) {
        folderTooLarge_ = true;
        HoldNothing();
        RestartMatching();
    }
}
bool CompletionWorker::HasNamesToMatch() const {
    return !typed_.empty() && matchPosition_ < names_.size() && matchCount_ < kMaxMatches;
}

// Matches the next held name: true when one was queued.
bool CompletionWorker::MatchNextName() {
    if (!HasNamesToMatch()) {
        return false;
    }
    const std::string& name = names_[matchPosition_++];
    if (!BeginsWithTypedText(name, typed_)) {
        return false;
    }
    QueueMatch(name);
    return true;
}

void CompletionWorker::QueueMatch(std::string name) {
    session_.QueueMatch(std::move(name));
    ++matchCount_;
    listToTell_ = true;
    TellList(); // a failed post is tried again at the end of the pass
}

bool CompletionWorker::IsBusy() const {
    return search_ != Search::None || HasNamesToMatch();
}

bool CompletionWorker::TellList() {
    listToTell_ = !session_.TellList([this] { return ports_.PostListChanged(); });
    return !listToTell_;
}

// A worker with names still to read or match gives way now and then; an idle one rests until
// the dialog changes something.
void CompletionWorker::Rest() {
    if (!IsBusy()) {
        ports_.Sleep(kIdleRest);
    } else if (passes_ % kPassesBetweenYields == 0) {
        ports_.GiveWay();
    }
}
