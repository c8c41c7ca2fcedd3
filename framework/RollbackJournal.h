// The rollback journal of a save in place, as databases keep one. Before the save writes over a
// file, its journal takes the file's path, the new bytes and a copy of the old ones, and reaches
// the disk. While the journal exists the file may be half old and half new; with the journal it
// can be told what the file holds, and the old bytes can be put back.
//
// A journal lies in a folder of the user's own (JournalFolder), named after the file's path. It
// is written under a name of its own and takes the journal's name once it is finished. Its
// layout, each number in 8 bytes, least significant first: "LumetrixJournal1"; the number of
// characters of the path and the characters, each in the size of the system's path characters;
// the old size and the new size; the new bytes; the old bytes; and a checksum (FNV-1a, 64 bits)
// of everything before it. A journal short of its length or with a wrong checksum was never
// finished, so the save stopped before it touched the file.
#ifndef LUMETRIX_FRAMEWORK_ROLLBACKJOURNAL_H
#define LUMETRIX_FRAMEWORK_ROLLBACKJOURNAL_H

#include "framework/SystemFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

constexpr const char* kJournalPrefix = "~lmx-";
constexpr const char* kJournalSuffix = ".journal";

// "~lmx-", 16 hexadecimal digits of the path's checksum, ".journal", in the journal folder;
// empty when the user has no such folder.
SystemPath JournalPathFor(const SystemPath& target);
// Where the journal is written until it is finished: its name and ".unfinished".
SystemPath UnfinishedJournalPath(const SystemPath& journalPath);

struct JournalRecord {
    SystemPath target;
    std::uint64_t oldSize = 0;
    std::uint64_t newSize = 0;
    std::uint64_t newBytesAt = 0; // where the new bytes begin in the journal
    std::uint64_t oldBytesAt = 0; // and the old ones
};

// Writes the journal of a save of `content` over the open file `target` (of `oldSize` bytes,
// named `targetPath`), copying its old bytes piece by piece, and flushes it to the disk. Nothing
// when a write failed.
std::optional<JournalRecord> WriteJournal(SystemFile& journal, const SystemPath& targetPath,
                                          SystemFile& target, std::uint64_t oldSize,
                                          const std::string& content);

// The record of a whole journal; nothing for one that was never finished.
std::optional<JournalRecord> ReadJournal(SystemFile& journal);

// What a file holds, judged against its journal.
enum class JournaledState {
    Old,         // the old bytes: the save had not begun to write
    New,         // the new bytes: the save was done
    Torn,        // new bytes over a part of the old ones, as a save ended midway leaves them
    ChangedSince // bytes that neither the save nor its journal account for
};

JournaledState JudgeJournaledFile(SystemFile& journal, const JournalRecord& record,
                                  SystemFile& target);

// Writes the old bytes back over the file, gives it its old length and flushes it to the disk.
bool PutOldBytesBack(SystemFile& journal, const JournalRecord& record, SystemFile& target);

// The judgement of JudgeJournaledFile, on the bytes alone: the file's bytes are compared piece
// by piece, from its start, with the old and the new bytes at the same place. Torn means that
// each byte is the old or the new one at its place and the length lies between the two.
class TornFileCheck {
public:
    TornFileCheck(std::uint64_t oldSize, std::uint64_t newSize, std::uint64_t fileSize);
    // The next piece of the file, with the old and the new bytes at its place (each shorter, or
    // empty, where its content ends).
    void Compare(std::string_view file, std::string_view oldBytes, std::string_view newBytes);
    JournaledState Verdict() const;

private:
    bool m_old;
    bool m_new;
    bool m_eachOldOrNew;
};

#endif
