#include "ui/filedialog/CompletionSession.h"

namespace {

// The dialog hands over at most 259 characters, the worker takes texts of at most 255.
constexpr std::size_t kDialogTextLimit = 259;
constexpr std::size_t kWorkerTextLimit = 255;

std::string_view Cut(std::string_view text, std::size_t limit) {
    return text.substr(0, limit);
}

} // namespace

void CompletionSession::ChangeFolder(std::string_view folder) {
    {
        Locked locked(lock_);
        folder_ = Cut(folder, kDialogTextLimit);
        typed_.clear();
        folderChanged_ = true;
        typedChanged_ = true;
    }
    WakeWorker();
}

void CompletionSession::ChangeTypedText(std::string_view typed) {
    {
        Locked locked(lock_);
        typed_ = Cut(typed, kDialogTextLimit);
        typedChanged_ = true;
    }
    WakeWorker();
}

void CompletionSession::Close() {
    {
        Locked locked(lock_);
        folder_.clear();
        open_ = false;
        listChanges_ = {};
    }
    running_.store(false);
    WakeWorker();
}

bool CompletionSession::HasTypedText() {
    Locked locked(lock_);
    return !typed_.empty();
}

CompletionListChanges CompletionSession::TakeListChanges() {
    Locked locked(lock_);
    listTold_ = false;
    CompletionListChanges changes = std::move(listChanges_);
    listChanges_ = {};
    return changes;
}

std::optional<std::string> CompletionSession::TakeChangedFolder() {
    return TakeIfChanged(folderChanged_, folder_);
}

std::optional<std::string> CompletionSession::TakeChangedTypedText() {
    return TakeIfChanged(typedChanged_, typed_);
}

void CompletionSession::QueueListReset() {
    Locked locked(lock_);
    listChanges_.reset = true;
    listChanges_.matches.clear();
}

void CompletionSession::QueueMatch(std::string match) {
    Locked locked(lock_);
    if (open_) {
        listChanges_.matches.push_back(std::move(match));
    }
}

std::optional<std::string> CompletionSession::TakeIfChanged(bool& changed,
                                                            const std::string& text) {
    Locked locked(lock_);
    if (!changed) {
        return std::nullopt;
    }
    changed = false;
    // Cut, a longer text would name another folder or match names it does not begin: it
    // reads and matches nothing, like an empty one.
    return text.size() > kWorkerTextLimit ? std::string() : text;
}

void CompletionSession::WakeWorker() {
    if (wakeUp_ != nullptr) {
        wakeUp_->Wake();
    }
}
