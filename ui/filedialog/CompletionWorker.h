// The completion worker: reads the dialog's current folder name by name and posts the names
// that begin with the typed text to the completion list, without ever making the dialog wait.
#ifndef LUMETRIX_UI_FILEDIALOG_COMPLETIONWORKER_H
#define LUMETRIX_UI_FILEDIALOG_COMPLETIONWORKER_H

#include "ui/filedialog/CompletionSession.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the worker needs from the system: a folder search, posts to the dialog's windows and
// a sleep. Posts never wait for the dialog; each answers whether the message was taken.
class CompletionPorts {
public:
    // Starts a search for `pattern` (a folder, a separator and "*"); the first entry's name
    // into `name`. False when the folder cannot be read.
    virtual bool FindFirst(const std::string& pattern, std::string& name) = 0;
    // The search's next name; false at its end or when the folder went away.
    virtual bool FindNext(std::string& name) = 0;
    virtual void CloseSearch() = 0;
    // The list: empty it; append `match` (a copy from NewMatchCopy, the list's own once
    // taken).
    virtual bool PostReset() = 0;
    virtual bool PostMatch(char* match) = 0;
    // The dialog: the list has its first match and may show.
    virtual bool PostFirstMatchShown() = 0;
    virtual void Sleep(unsigned milliseconds) = 0;

protected:
    ~CompletionPorts() = default;
};

// A posted match is a heap copy of the name that the list frees after appending it.
char* NewMatchCopy(std::string_view name);
void DeleteMatchCopy(char* match);
// Copies made and not yet deleted, program-wide.
int MatchCopiesAlive();

class CompletionWorker {
public:
    // Milliseconds the worker rests: after a failed post, every kPassesBetweenRests busy
    // passes, and once per pass while it has nothing to do.
    static constexpr unsigned kRetryWait = 10;
    static constexpr unsigned kBusyRest = 10;
    static constexpr unsigned kIdleRest = 1000;
    static constexpr unsigned kPassesBetweenRests = 256;

    CompletionWorker(CompletionSession& session, CompletionPorts& ports)
        : session_(session), ports_(ports) {}
    ~CompletionWorker();
    CompletionWorker(const CompletionWorker&) = delete;
    CompletionWorker& operator=(const CompletionWorker&) = delete;

    // Runs passes until the session stops running.
    void Run();

private:
    enum class Matching { Idle, Advanced, Posted, PostFailed };

    void RunPass();
    std::optional<std::string> ReadFolder();
    void StartFolder(const std::string& folder, std::optional<std::string>& found);
    void CloseSearch();
    void RestartMatching();
    void Collect(const std::string& name);
    bool HasNamesToMatch() const;
    Matching MatchNextName();
    bool PostMatch(const std::string& name);
    void TellFirstMatch();
    void Rest();

    CompletionSession& session_;
    CompletionPorts& ports_;
    bool searchOpen_ = false;
    std::vector<std::string> names_;
    std::string typed_;
    std::size_t matchPosition_ = 0;
    int matchCount_ = 0;
    unsigned passes_ = 0;
};

#endif
