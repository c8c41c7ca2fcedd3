#include "ui/filedialog/CompletionWorker.h"

#include "support/Windows1252.h"
#include "ui/filedialog/CompletionMatch.h"

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

// A name the list may offer: not the "." or ".." of the folder, and made entirely of
// Windows-1252 characters. The system keeps names in UTF-16 and the program works in
// Windows-1252: any other name would reach the program changed (a best-fit "L" for an "Ł") and
// name another file or none.
std::optional<std::string> OfferableName(const std::u16string& found) {
    std::optional<std::string> name = Windows1252FromUtf16(found);
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
    while (m_session.IsRunning()) {
        RunPass();
    }
}

void CompletionWorker::RunPass() {
    ++m_passes;
    if (std::optional<std::string> folder = m_session.TakeChangedFolder()) {
        StartFolder(*folder);
    }
    if (std::optional<std::string> typed = m_session.TakeChangedTypedText()) {
        m_typed = *typed;
        RestartMatching();
    }
    if (std::optional<std::u16string> found = NextName()) {
        Collect(*found);
    }
    MatchNextName();
    // The list hears of matches at once, of an emptied list only once no match follows soon:
    // it never flickers empty between two texts.
    if (m_listToTell && (m_matchCount > 0 || !IsBusy()) && !TellList()) {
        m_ports.Sleep(kRetryWait);
        return;
    }
    Rest();
}

void CompletionWorker::StartFolder(const std::string& folder) {
    CloseSearch();
    m_folderTooLarge = false;
    m_folder = folder.empty() || EndsWithSeparator(folder) ? folder : folder + "\\";
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
    m_heldStart = start;
    std::u16string name;
    if (m_ports.FindFirst(m_folder + start + "*", name)) {
        m_search = search;
        m_firstName = std::move(name);
    } else {
        m_allHeld = true; // no name begins with it
    }
}

void CompletionWorker::CloseSearch() {
    if (m_search != Search::None) {
        m_ports.CloseSearch();
        m_search = Search::None;
    }
    m_firstName.reset();
}

void CompletionWorker::HoldNothing() {
    m_names.clear();
    m_heldStart.clear();
    m_allHeld = false;
}

// The search's next name; at its end the search closes, with all its names held.
std::optional<std::u16string> CompletionWorker::NextName() {
    std::optional<std::u16string> found;
    if (m_firstName) {
        found.swap(m_firstName);
    } else if (m_search != Search::None) {
        std::u16string name;
        if (m_ports.FindNext(name)) {
            found = std::move(name);
        } else {
            CloseSearch();
            m_allHeld = true;
        }
    }
    return found;
}

// Whether the names held are all of the folder's names that begin with the typed text. A search
// still reading for a shorter text gives way: it may find more names than can be held, and then
// the longer text needs a search of its own anyway.
bool CompletionWorker::HoldsNamesForTypedText() const {
    return m_allHeld && BeginsWithTypedText(m_typed, m_heldStart);
}

// The list empties, and the typed text is matched from the first name held on. In a folder too
// large to hold, the system is asked for the names that begin with it, unless they are held.
void CompletionWorker::RestartMatching() {
    m_matchPosition = 0;
    m_matchCount = 0;
    m_session.QueueListReset();
    m_listToTell = true;
    if (!m_folderTooLarge || m_typed.empty() || HoldsNamesForTypedText()) {
        return;
    }
    CloseSearch();
    HoldNothing();
    if (IsSearchableStart(m_typed)) {
        StartSearch(Search::TypedText, m_typed);
    }
}

// The system also finds names by their short form: only those that begin with the searched
// text as they are shown are held.
void CompletionWorker::Collect(const std::u16string& found) {
    std::optional<std::string> name = OfferableName(found);
    if (!name || !BeginsWithTypedText(*name, m_heldStart)) {
        return;
    }
    m_names.push_back(std::move(*name));
    if (m_names.size() <= kMaxCollectedNames) {
        return;
    }
    // Too many to hold. Those held give the matches of the text searched for; for the whole
    // folder or a longer text they may miss some, and the system is asked for that text.
    const bool wholeFolder = m_search == Search::Folder;
    CloseSearch();
    if (wholeFolder || m_typed.size() > m_heldStart.size()) {
        m_folderTooLarge = true;
        HoldNothing();
        RestartMatching();
    }
}
bool CompletionWorker::HasNamesToMatch() const {
    return !m_typed.empty() && m_matchPosition < m_names.size() && m_matchCount < kMaxMatches;
}

// Matches the next held name: true when one was queued.
bool CompletionWorker::MatchNextName() {
    if (!HasNamesToMatch()) {
        return false;
    }
    const std::string& name = m_names[m_matchPosition++];
    if (!BeginsWithTypedText(name, m_typed)) {
        return false;
    }
    QueueMatch(name);
    return true;
}

void CompletionWorker::QueueMatch(std::string name) {
    m_session.QueueMatch(std::move(name));
    ++m_matchCount;
    m_listToTell = true;
    TellList(); // a failed post is tried again at the end of the pass
}

bool CompletionWorker::IsBusy() const {
    return m_search != Search::None || HasNamesToMatch();
}

bool CompletionWorker::TellList() {
    m_listToTell = !m_session.TellList([this] { return m_ports.PostListChanged(); });
    return !m_listToTell;
}

// A worker with names still to read or match gives way now and then; an idle one rests until
// the dialog changes something.
void CompletionWorker::Rest() {
    if (!IsBusy()) {
        m_ports.Sleep(kIdleRest);
    } else if (m_passes % kPassesBetweenYields == 0) {
        m_ports.GiveWay();
    }
}
