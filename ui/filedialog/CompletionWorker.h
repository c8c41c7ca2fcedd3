// The completion worker: reads the dialog's current folder name by name and queues the names
// that begin with the typed text for the completion list, without ever making the dialog wait.
#ifndef LUMETRIX_UI_FILEDIALOG_COMPLETIONWORKER_H
#define LUMETRIX_UI_FILEDIALOG_COMPLETIONWORKER_H

#include "ui/filedialog/CompletionSession.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// What the worker needs from the system: a folder search, a post to the list and ways to
// rest. The post never waits for the dialog; it answers whether the message was taken.
class CompletionPorts {
public:
    // Starts a search for `pattern` (a folder, a separator and "*", or a typed text and "*");
    // the first entry's name, as the system keeps it, into `name`. False when nothing is found.
    virtual bool FindFirst(const std::string& pattern, std::u16string& name) = 0;
    // The search's next name; false at its end or when the folder went away.
    virtual bool FindNext(std::u16string& name) = 0;
    virtual void CloseSearch() = 0;
    // Tells the list that changes wait in the session.
    virtual bool PostListChanged() = 0;
    // Rests at most `milliseconds`; a change from the dialog ends the rest early.
    virtual void Sleep(unsigned milliseconds) = 0;
    // Lets the other threads run first.
    virtual void GiveWay() = 0;

protected:
    ~CompletionPorts() = default;
};

class CompletionWorker {
public:
    // Milliseconds the worker rests after a failed post, and while it has nothing to do (a
    // change from the dialog wakes it at once). A busy worker gives way every
    // kPassesBetweenYields passes.
    static constexpr unsigned kRetryWait = 10;
    static constexpr unsigned kIdleRest = 1000;
    static constexpr unsigned kPassesBetweenYields = 256;

    CompletionWorker(CompletionSession& session, CompletionPorts& ports)
        : m_session(session), m_ports(ports) {}
    ~CompletionWorker();
    CompletionWorker(const CompletionWorker&) = delete;
    CompletionWorker& operator=(const CompletionWorker&) = delete;

    // Runs passes until the session stops running.
    void Run();

private:
    // A folder search reads the whole folder; a typed-text search, in a folder too large to
    // hold, asks the system for the names that begin with a typed text.
    enum class Search { None, Folder, TypedText };

    void RunPass();
    void StartFolder(const std::string& folder);
    void StartSearch(Search search, const std::string& start);
    void CloseSearch();
    void HoldNothing();
    std::optional<std::u16string> NextName();
    bool HoldsNamesForTypedText() const;
    void RestartMatching();
    void Collect(const std::u16string& found);
    bool HasNamesToMatch() const;
    bool MatchNextName();
    void QueueMatch(std::string name);
    bool IsBusy() const;
    bool TellList();
    void Rest();

    CompletionSession& m_session;
    CompletionPorts& m_ports;
    Search m_search = Search::None;
    std::optional<std::u16string> m_firstName; // found when the search started, not yet taken
    std::string m_folder;                      // with a separator at its end
    // The names held: the folder's names that begin with m_heldStart (all of them once m_allHeld
    // is set), at most about kMaxCollectedNames.
    std::vector<std::string> m_names;
    std::string m_heldStart;
    bool m_allHeld = false;
    bool m_folderTooLarge = false; // it has more names than the worker holds
    std::string m_typed;
    std::size_t m_matchPosition = 0;
    int m_matchCount = 0;
    bool m_listToTell = false;
    unsigned m_passes = 0;
};

#endif
