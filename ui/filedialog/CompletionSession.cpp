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
        Locked locked(m_lock);
        m_folder = Cut(folder, kDialogTextLimit);
        m_typed.clear();
        m_folderChanged = true;
        m_typedChanged = true;
    }
    WakeWorker();
}

void CompletionSession::ChangeTypedText(std::string_view typed) {
    {
        Locked locked(m_lock);
        m_typed = Cut(typed, kDialogTextLimit);
        m_typedChanged = true;
    }
    WakeWorker();
}

void CompletionSession::Close() {
    {
        Locked locked(m_lock);
        m_folder.clear();
        m_open = false;
        m_listChanges = {};
    }
    m_running.store(false);
    WakeWorker();
}

bool CompletionSession::HasTypedText() {
    Locked locked(m_lock);
    return !m_typed.empty();
}

CompletionListChanges CompletionSession::TakeListChanges() {
    Locked locked(m_lock);
    m_listTold = false;
    CompletionListChanges changes = std::move(m_listChanges);
    m_listChanges = {};
    return changes;
}

std::optional<std::string> CompletionSession::TakeChangedFolder() {
    return TakeIfChanged(m_folderChanged, m_folder);
}

std::optional<std::string> CompletionSession::TakeChangedTypedText() {
    return TakeIfChanged(m_typedChanged, m_typed);
}

void CompletionSession::QueueListReset() {
    Locked locked(m_lock);
    m_listChanges.reset = true;
    m_listChanges.matches.clear();
}

void CompletionSession::QueueMatch(std::string match) {
    Locked locked(m_lock);
    if (m_open) {
        m_listChanges.matches.push_back(std::move(match));
    }
}

std::optional<std::string> CompletionSession::TakeIfChanged(bool& changed,
                                                            const std::string& text) {
    Locked locked(m_lock);
    if (!changed) {
        return std::nullopt;
    }
    changed = false;
    // Cut, a longer text would name another folder or match names it does not begin: it
    // reads and matches nothing, like an empty one.
    return text.size() > kWorkerTextLimit ? std::string() : text;
}

void CompletionSession::WakeWorker() {
    if (m_wakeUp != nullptr) {
        m_wakeUp->Wake();
    }
}
