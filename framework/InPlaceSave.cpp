// The save over a file in place, kept safe by its rollback journal, and the start-up's undoing
// of a save that ended midway.
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

// Settles the journal a save left behind. Returns the file whose old bytes it put back.
std::optional<SystemPath> SettleJournal(const SystemPath& journalPath) {
    SystemFile journal(journalPath, SystemFile::Access::Read);
    if (!journal.Lock(false, 0)) {
        return std::nullopt; // a save is still writing it
    }
    const std::optional<JournalRecord> record = ReadJournal(journal);
    if (!record) {
        DropJournal(journal, journalPath); // never finished: the file was never touched
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

} // namespace

bool OverwriteFile(const SystemPath& target, const std::string& content) {
    const SystemPath journalPath = JournalPathFor(target);
    SettleJournal(journalPath); // of an earlier save of this file that ended midway
    SystemFile file(target, SystemFile::Access::ReadWrite);
    const std::optional<std::uint64_t> oldSize = file.Size();
    if (!file.IsRegular() || !oldSize || !file.Lock(true, kWriterPatienceMs)) {
        return false;
    }
    SystemFile journal(journalPath, SystemFile::Access::CreateWrite);
    if (!journal.IsOpen()) {
        return false;
    }
    const std::optional<JournalRecord> record =
        journal.Lock(true, 0) ? WriteJournal(journal, target, file, *oldSize, content)
                              : std::nullopt;
    if (!record) {
        DropJournal(journal, journalPath);
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
    for (const SystemPath& journal :
         FilesInFolder(TemporaryFolder(), kJournalPrefix, kJournalSuffix)) {
        if (const std::optional<SystemPath> file = SettleJournal(journal)) {
            restored.push_back(NameToShow(*file));
        }
    }
    return restored;
}
