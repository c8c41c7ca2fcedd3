// What a save in place leaves when it is killed midway, made on purpose, and a journal folder of
// the test's own.
#ifndef LUMETRIX_TESTS_TORNSAVE_H
#define LUMETRIX_TESTS_TORNSAVE_H

#include "framework/Files.h"
#include "framework/RollbackJournal.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

// XDG_RUNTIME_DIR names the folder while the object lives: the journals go to its "lumetrix".
class JournalFolderOfTheTest {
public:
    explicit JournalFolderOfTheTest(const std::filesystem::path& folder) {
        std::filesystem::create_directories(folder);
        if (const char* before = std::getenv(kVariable)) {
            m_before = before;
        }
        ::setenv(kVariable, folder.c_str(), 1);
    }
    ~JournalFolderOfTheTest() {
        if (m_before) {
            ::setenv(kVariable, m_before->c_str(), 1);
        } else {
            ::unsetenv(kVariable);
        }
    }
    JournalFolderOfTheTest(const JournalFolderOfTheTest&) = delete;
    JournalFolderOfTheTest& operator=(const JournalFolderOfTheTest&) = delete;

private:
    static constexpr const char* kVariable = "XDG_RUNTIME_DIR";
    std::optional<std::string> m_before;
};

// The journals in the journal folder.
inline std::size_t JournalsLeft() {
    return FilesInFolder(JournalFolder(), kJournalPrefix, kJournalSuffix).size();
}

// Writes the journal of a save of `content` over the file at `journalPath`; returns false when it
// could not be written.
inline bool WriteJournalOf(const SystemPath& target, const std::string& content,
                           const SystemPath& journalPath) {
    SystemFile old(target, SystemFile::Access::Read);
    SystemFile journal(journalPath, SystemFile::Access::CreateWrite);
    return WriteJournal(journal, target, old, old.Size().value_or(0), content).has_value();
}

// Leaves the file as a save in place of `content` killed midway leaves it: the journal written
// and the first `written` bytes of the content over the old ones. Returns the journal's path.
inline SystemPath LeaveTornSave(const std::filesystem::path& file, const std::string& content,
                                std::size_t written) {
    const SystemPath target = FindSaveTarget(file.string()).path;
    const SystemPath journalPath = JournalPathFor(target);
    WriteJournalOf(target, content, journalPath);
    SystemFile old(target, SystemFile::Access::ReadWrite);
    old.WriteAt(0, content.data(), written);
    return journalPath;
}

#endif
