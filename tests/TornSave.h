// What a save in place leaves when it is killed midway, made on purpose, and a folder for
// temporary files of the test's own, where such a save keeps its journal.
#ifndef LUMETRIX_TESTS_TORNSAVE_H
#define LUMETRIX_TESTS_TORNSAVE_H

#include "framework/Files.h"
#include "framework/RollbackJournal.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

// TMPDIR names the folder while the object lives.
class TemporaryFolderOfTheTest {
public:
    explicit TemporaryFolderOfTheTest(const std::filesystem::path& folder) {
        std::filesystem::create_directories(folder);
        if (const char* before = std::getenv("TMPDIR")) {
            m_before = before;
        }
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TemporaryFolderOfTheTest() {
        if (m_before) {
            ::setenv("TMPDIR", m_before->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }
    TemporaryFolderOfTheTest(const TemporaryFolderOfTheTest&) = delete;
    TemporaryFolderOfTheTest& operator=(const TemporaryFolderOfTheTest&) = delete;

private:
    std::optional<std::string> m_before;
};

// The journals in the temporary folder.
inline std::size_t JournalsLeft() {
    return FilesInFolder(TemporaryFolder(), kJournalPrefix, kJournalSuffix).size();
}

// Leaves the file as a save in place of `content` killed midway leaves it: the journal written
// and the first `written` bytes of the content over the old ones. Returns the journal's path.
inline SystemPath LeaveTornSave(const std::filesystem::path& file, const std::string& content,
                                std::size_t written) {
    const SystemPath target = FindSaveTarget(file.string()).path;
    SystemFile old(target, SystemFile::Access::ReadWrite);
    const SystemPath journalPath = JournalPathFor(target);
    SystemFile journal(journalPath, SystemFile::Access::CreateWrite);
    WriteJournal(journal, target, old, old.Size().value_or(0), content);
    old.WriteAt(0, content.data(), written);
    return journalPath;
}

#endif
