// The save over a file in place, kept safe by its rollback journal, and the undoing of a save
// that ended midway, at start-up and before the file is loaded.
#include "framework/Files.h"
#include "framework/RollbackJournal.h"

namespace {

// How long a save waits for the readers and the other savers of the file.
constexpr int kWriterPatienceMs = 2000;

// The journal goes while it is still held, so that nobody takes it up in between.
void DropJournal(SystemFile& journal, const SystemPath& journalPath) {
    RemoveFile(journalPath);
    journal.Close();
}

// The record of a journal that only a save of the user's can have left: a whole journal in a
// regular file of his own that only he may read and write, named after the file it records, and
// that no save holds. Whatever else lies at a journal's name is left alone, never read beyond
// its first bytes and never written through.
std::optional<JournalRecord> TrustedRecord(SystemFile& journal, const SystemPath& journalPath) {
    if (!journal.IsPrivate() || !journal.Lock(true, 0)) {
        return std::nullopt;
    }
    std::optional<JournalRecord> record = ReadJournal(journal);
    if (!record || JournalPathFor(record->target) != journalPath) {
        return std::nullopt;
    }
    return record;
}

// Settles the journal a save left behind. Returns the file whose old bytes it put back.
std::optional<SystemPath> SettleJournal(const SystemPath& journalPath) {
    SystemFile journal(journalPath, SystemFile::Access::ReadPrivate);
    const std::optional<JournalRecord> record = TrustedRecord(journal, journalPath);
    if (!record) {
        return std::nullopt;
    }
    SystemFile target(record->target, SystemFile::Access::ReadWrite);
    if (!target.IsOpen()) {
        if (target.WasMissing()) {
            DropJournal(journal, journalPath);
        }
        return std::nullopt; // else kept until the file can be opened again
    }
    if (!target.Lock(true, kWriterPatienceMs)) {
        return std::nullopt;
    }
    switch (JudgeJournaledFile(journal, *record, target)) {
    case JournaledState::Torn:
        if (!PutOldBytesBack(journal, *record, target)) {
            return std::nullopt;
        }
        DropJournal(journal, journalPath);
        return record->target;
    case JournaledState::Old:
    case JournaledState::New:
    case JournaledState::ChangedSince: // what someone wrote since is newer than both
        DropJournal(journal, journalPath);
        break;
    }
    return std::nullopt;
}

// Writes the journal under its unfinished name, held from its creation, and gives it the
// journal's name, in place of whatever lay there, only once it is whole on the disk: a journal
// under its name is always finished, and nobody finds it there unheld while the save runs. The
// caller holds the file, so no other save of it writes the unfinished journal meanwhile; one
// found there was left by a save killed while writing it, before it touched the file.
std::optional<JournalRecord> CreateJournal(SystemFile& journal, const SystemPath& journalPath,
                                           const SystemPath& targetPath, SystemFile& target,
                                           std::uint64_t oldSize, const std::string& content) {
    const SystemPath unfinished = UnfinishedJournalPath(journalPath);
    RemoveFile(unfinished);
    journal = SystemFile(unfinished, SystemFile::Access::CreateWrite);
    if (!journal.IsOpen()) {
        return std::nullopt;
    }
    std::optional<JournalRecord> record;
    if (journal.Lock(true, 0)) {
        record = WriteJournal(journal, targetPath, target, oldSize, content);
    }
    if (!record || !ReplaceByFile(journalPath, unfinished, false)) {
        DropJournal(journal, unfinished);
        return std::nullopt;
    }
    return record;
}

} // namespace

bool OverwriteFile(const SystemPath& target, const std::string& content) {
    const SystemPath journalPath = JournalPathFor(target);
    if (journalPath.empty()) {
        return false; // without a journal the file could be left torn
    }
    SettleJournal(journalPath); // of an earlier save of this file that ended midway
    SystemFile file(target, SystemFile::Access::ReadWrite);
    const std::optional<std::uint64_t> oldSize = file.Size();
    if (!file.IsRegular() || !oldSize || !file.Lock(true, kWriterPatienceMs)) {
        return false;
    }
    SystemFile journal;
    const std::optional<JournalRecord> record =
        CreateJournal(journal, journalPath, target, file, *oldSize, content);
    if (!record) {
        return false;
    }
    if (file.WriteAt(0, content.data(), content.size()) && file.SetSize(content.size()) &&
        file.Flush()) {
        DropJournal(journal, journalPath);
        return true;
    }
    // Without the old bytes back, the journal stays for the next start.
    if (PutOldBytesBack(journal, *record, file)) {
        DropJournal(journal, journalPath);
    }
    return false;
}

std::vector<std::string> RestoreInterruptedSaves() {
    std::vector<std::string> restored;
    const SystemPath folder = JournalFolder();
    if (folder.empty()) {
        return restored;
    }
    for (const SystemPath& journal : FilesInFolder(folder, kJournalPrefix, kJournalSuffix)) {
        if (const std::optional<SystemPath> file = SettleJournal(journal)) {
            restored.push_back(NameToShow(*file));
        }
    }
    return restored;
}

std::optional<std::string> RestoreInterruptedSave(const std::string& path) {
    const SystemPath journalPath = JournalPathFor(FindSaveTarget(path).path);
    if (journalPath.empty()) {
        return std::nullopt;
    }
    const std::optional<SystemPath> file = SettleJournal(journalPath);
    return file ? std::optional<std::string>(NameToShow(*file)) : std::nullopt;
}
