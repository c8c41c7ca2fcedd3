// What an open file dialog shares with its completion worker: the current folder, the typed
// text and a changed flag for each, guarded by the program's one completion lock, and the
// running flag that ends the worker.
//
// Each dialog has a session of its own, held by the dialog and by its worker, so a worker
// still finishing after its dialog closed never sees the state of the next dialog.
#ifndef LUMETRIX_UI_FILEDIALOG_COMPLETIONSESSION_H
#define LUMETRIX_UI_FILEDIALOG_COMPLETIONSESSION_H

#include <atomic>
#include <optional>
#include <string>
#include <string_view>

// Mutual exclusion between the dialog and the worker; waits without time-out.
class CompletionLock {
public:
    virtual void Acquire() = 0;
    virtual void Release() = 0;

protected:
    ~CompletionLock() = default;
};

class CompletionSession {
public:
    explicit CompletionSession(CompletionLock& lock) : lock_(lock) {}
    CompletionSession(const CompletionSession&) = delete;
    CompletionSession& operator=(const CompletionSession&) = delete;

    // The dialog's side. The texts are cut to 259 characters.
    // The dialog shows another folder: its names replace the old ones, nothing is typed yet.
    void ChangeFolder(std::string_view folder);
    // The file-name field now holds `typed`.
    void ChangeTypedText(std::string_view typed);
    // The dialog closes: no more posts reach its windows, and the worker ends.
    void Close();
    // Whether the typed text the worker matches against is not empty.
    bool HasTypedText();

    // The worker's side. A text of more than 255 characters reads as empty.
    bool IsRunning() const { return running_.load(); }
    // The folder once after each change, else nothing.
    std::optional<std::string> TakeChangedFolder();
    // The typed text once after each change, else nothing.
    std::optional<std::string> TakeChangedTypedText();
    // Runs `post` (a post to the dialog's windows, answering whether it was taken) unless the
    // dialog has closed; the dialog cannot close meanwhile. False when nothing was posted.
    template <typename Post> bool PostWhileOpen(Post post) {
        Locked locked(lock_);
        return open_ && post();
    }

private:
    class Locked {
    public:
        explicit Locked(CompletionLock& lock) : lock_(lock) { lock_.Acquire(); }
        ~Locked() { lock_.Release(); }
        Locked(const Locked&) = delete;
        Locked& operator=(const Locked&) = delete;

    private:
        CompletionLock& lock_;
    };

    std::optional<std::string> TakeIfChanged(bool& changed, const std::string& text);

    CompletionLock& lock_;
    // Guarded by the lock:
    std::string folder_;
    std::string typed_;
    bool folderChanged_ = false;
    bool typedChanged_ = false;
    bool open_ = true;

    std::atomic<bool> running_{true};
};

#endif
