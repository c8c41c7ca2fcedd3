// What an open file dialog shares with its completion worker: the current folder, the typed
// text and a changed flag for each, and the matches on their way to the completion list, all
// guarded by the program's one completion lock; and the running flag that ends the worker.
//
// Each dialog has a session of its own, held by the dialog and by its worker, so a worker
// still finishing after its dialog closed never sees the state of the next dialog.
//
// Matches never travel inside a message: the worker queues them here and only tells the list
// that changes wait, and the list takes them out on the dialog's thread. A message that did
// not come from the worker finds nothing to take.
#ifndef LUMETRIX_UI_FILEDIALOG_COMPLETIONSESSION_H
#define LUMETRIX_UI_FILEDIALOG_COMPLETIONSESSION_H

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Mutual exclusion between the dialog and the worker; waits without time-out.
class CompletionLock {
public:
    virtual void Acquire() = 0;
    virtual void Release() = 0;

protected:
    ~CompletionLock() = default;
};

// Ends the worker's rest early: the dialog changed something the worker must look at.
class CompletionWakeUp {
public:
    virtual void Wake() = 0;

protected:
    ~CompletionWakeUp() = default;
};

// What the list has to do since it last looked: empty itself first, if `reset`, then append
// `matches`.
struct CompletionListChanges {
    bool reset = false;
    std::vector<std::string> matches;
};

class CompletionSession {
public:
    explicit CompletionSession(CompletionLock& lock,
                               std::shared_ptr<CompletionWakeUp> wakeUp = nullptr)
        : m_lock(lock), m_wakeUp(std::move(wakeUp)) {}
    CompletionSession(const CompletionSession&) = delete;
    CompletionSession& operator=(const CompletionSession&) = delete;

    // The dialog's side. The texts are cut to 259 characters. Each change wakes the worker.
    // The dialog shows another folder: its names replace the old ones, nothing is typed yet.
    void ChangeFolder(std::string_view folder);
    // The file-name field now holds `typed`.
    void ChangeTypedText(std::string_view typed);
    // The dialog closes: no more posts reach its windows, and the worker ends.
    void Close();
    // Whether the typed text the worker matches against is not empty.
    bool HasTypedText();
    // The list's changes queued since it last took them; the worker may tell it again.
    CompletionListChanges TakeListChanges();

    // The worker's side. A text of more than 255 characters reads as empty.
    bool IsRunning() const { return m_running.load(); }
    // The folder once after each change, else nothing.
    std::optional<std::string> TakeChangedFolder();
    // The typed text once after each change, else nothing.
    std::optional<std::string> TakeChangedTypedText();
    // The list is to empty itself: matches queued and not yet taken are dropped.
    void QueueListReset();
    void QueueMatch(std::string match);
    // Tells the list that changes wait, by `post` (a post to the list, answering whether it
    // was taken), unless it has been told and not looked yet, or the dialog has closed; the
    // dialog cannot close meanwhile. False when the list still has to be told.
    template <typename Post> bool TellList(Post post) {
        Locked locked(m_lock);
        if (!m_open) {
            return true; // nobody is left to tell
        }
        if (!m_listTold) {
            m_listTold = post();
        }
        return m_listTold;
    }

private:
    class Locked {
    public:
        explicit Locked(CompletionLock& lock) : m_lock(lock) { m_lock.Acquire(); }
        ~Locked() { m_lock.Release(); }
        Locked(const Locked&) = delete;
        Locked& operator=(const Locked&) = delete;

    private:
        CompletionLock& m_lock;
    };

    std::optional<std::string> TakeIfChanged(bool& changed, const std::string& text);
    void WakeWorker();

    CompletionLock& m_lock;
    std::shared_ptr<CompletionWakeUp> m_wakeUp;
    // Guarded by the lock:
    std::string m_folder;
    std::string m_typed;
    bool m_folderChanged = false;
    bool m_typedChanged = false;
    bool m_open = true;
    CompletionListChanges m_listChanges;
    bool m_listTold = false;

    std::atomic<bool> m_running{true};
};

#endif
