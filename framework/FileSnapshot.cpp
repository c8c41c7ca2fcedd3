#include "framework/FileSnapshot.h"

namespace {

constexpr int kReadings = 2;

// Everything from the file's start, at most `size` bytes and one more, so that a file that
// grew shows. Unbuffered, so that one call reads it in one piece.
bool ReadFromStart(std::FILE* file, std::size_t size, std::string& content) {
    content.resize(size + 1);
    if (std::fseek(file, 0, SEEK_SET) != 0) {
        return false;
    }
    const std::size_t got = std::fread(content.data(), 1, content.size(), file);
    content.resize(got);
    return std::ferror(file) == 0;
}

// One reading of the file as ReadFileSnapshot describes it; Changing when it changed meanwhile.
SnapshotResult ReadOnce(const SystemPath& path, std::size_t limit, std::string& content) {
    std::FILE* file = OpenSystemFileForReading(path);
    if (file == nullptr) {
        return SnapshotResult::Unreadable;
    }
    std::setvbuf(file, nullptr, _IONBF, 0);
    SnapshotResult result = SnapshotResult::Unreadable;
    {
        const WriteGuard guard(file);
        const std::optional<FileStamp> before = StampOf(file);
        if (before && before->size > limit) {
            result = SnapshotResult::TooLarge;
        } else if (before && ReadFromStart(file, before->size, content)) {
            bool same = true;
            if (!guard.Holds()) {
                std::string again;
                guard.AwaitWriteUnderWay();
                same = ReadFromStart(file, before->size, again) && again == content;
            }
            const std::optional<FileStamp> after = StampOf(file);
            const bool steady =
                same && after && *after == *before && content.size() == before->size;
            result = steady ? SnapshotResult::Read : SnapshotResult::Changing;
        }
    }
    std::fclose(file);
    return result;
}

} // namespace

SnapshotResult ReadFileSnapshot(const SystemPath& path, std::size_t limit, std::string& content) {
    SnapshotResult result = SnapshotResult::Changing;
    for (int reading = 0; reading < kReadings && result == SnapshotResult::Changing; ++reading) {
        result = ReadOnce(path, limit, content);
    }
    if (result != SnapshotResult::Read) {
        content.clear();
    }
    return result;
}
