#include "framework/RollbackJournal.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr std::string_view kMagic = "LumetrixJournal1";
constexpr std::size_t kNumberSize = 8;
constexpr std::size_t kUnitSize = sizeof(SystemPath::value_type);
constexpr std::size_t kLongestPath = 32767;
// Files are copied and compared in pieces of this size, never held whole.
constexpr std::size_t kPieceSize = 64 * 1024;

constexpr std::uint64_t kChecksumStart = 14695981039346656037ull;
constexpr std::uint64_t kChecksumPrime = 1099511628211ull;

void AddToChecksum(std::uint64_t& checksum, std::string_view bytes) {
    for (char byte : bytes) {
        checksum = (checksum ^ static_cast<unsigned char>(byte)) * kChecksumPrime;
    }
}

void AppendNumber(std::string& out, std::uint64_t number, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        out += static_cast<char>((number >> (8 * i)) & 0xFF);
    }
}

std::uint64_t NumberAt(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < size; ++i) {
        number |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return number;
}

// Reads as much of `size` bytes as the file has from `offset`; nothing on a read error.
std::optional<std::string_view> ReadPiece(SystemFile& file, std::uint64_t offset,
                                          std::vector<char>& buffer, std::size_t size) {
    buffer.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const std::optional<std::size_t> count =
            file.ReadAt(offset + done, buffer.data() + done, size - done);
        if (!count) {
            return std::nullopt;
        }
        if (*count == 0) {
            break;
        }
        done += *count;
    }
    return std::string_view(buffer.data(), done);
}

bool AllZero(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char byte) { return byte == '\0'; });
}

// The part of `length` bytes at `from` that lies within `size` bytes.
std::uint64_t Within(std::uint64_t from, std::uint64_t length, std::uint64_t size) {
    return from >= size ? 0 : std::min(length, size - from);
}

std::string Header(const SystemPath& target, std::uint64_t oldSize, std::uint64_t newSize) {
    std::string header(kMagic);
    AppendNumber(header, target.size(), kNumberSize);
    for (SystemPath::value_type unit : target) {
        AppendNumber(header, static_cast<std::uint64_t>(unit), kUnitSize);
    }
    AppendNumber(header, oldSize, kNumberSize);
    AppendNumber(header, newSize, kNumberSize);
    return header;
}

// Copies the old bytes into the journal. Pieces of zeros are not written: a file that the system
// keeps sparse gives a sparse journal, and reads back the same.
bool CopyOldBytes(SystemFile& target, std::uint64_t oldSize, SystemFile& journal, std::uint64_t at,
                  std::uint64_t& checksum) {
    std::vector<char> buffer;
    for (std::uint64_t done = 0; done < oldSize;) {
        const std::optional<std::string_view> piece = ReadPiece(
            target, done, buffer, static_cast<std::size_t>(Within(done, kPieceSize, oldSize)));
        if (!piece || piece->empty()) {
            return false; // the file shrank or cannot be read: it cannot be saved safely
        }
        AddToChecksum(checksum, *piece);
        if (!AllZero(*piece) && !journal.WriteAt(at + done, piece->data(), piece->size())) {
            return false;
        }
        done += piece->size();
    }
    return true;
}

} // namespace

SystemPath JournalPathFor(const SystemPath& target) {
    std::uint64_t checksum = kChecksumStart;
    for (SystemPath::value_type unit : target) {
        std::string bytes;
        AppendNumber(bytes, static_cast<std::uint64_t>(unit), kUnitSize);
        AddToChecksum(checksum, bytes);
    }
    char name[64];
    std::snprintf(name, sizeof name, "%s%016llX%s", kJournalPrefix,
                  static_cast<unsigned long long>(checksum), kJournalSuffix);
    const std::string ascii = name;
    const SystemPath folder = JournalFolder();
    return folder.empty() ? SystemPath() : folder + SystemPath(ascii.begin(), ascii.end());
}

SystemPath UnfinishedJournalPath(const SystemPath& journalPath) {
    const std::string suffix = ".unfinished";
    return journalPath + SystemPath(suffix.begin(), suffix.end());
}

std::optional<JournalRecord> WriteJournal(SystemFile& journal, const SystemPath& targetPath,
                                          SystemFile& target, std::uint64_t oldSize,
                                          const std::string& content) {
    const std::string header = Header(targetPath, oldSize, content.size());
    const JournalRecord record{targetPath, oldSize, content.size(), header.size(),
                               header.size() + content.size()};
    std::uint64_t checksum = kChecksumStart;
    AddToChecksum(checksum, header);
    AddToChecksum(checksum, content);
    if (!journal.WriteAt(0, header.data(), header.size()) ||
        !journal.WriteAt(record.newBytesAt, content.data(), content.size()) ||
        !CopyOldBytes(target, oldSize, journal, record.oldBytesAt, checksum)) {
        return std::nullopt;
    }
    std::string trailer;
    AppendNumber(trailer, checksum, kNumberSize);
    if (!journal.WriteAt(record.oldBytesAt + oldSize, trailer.data(), trailer.size()) ||
        !journal.Flush()) {
        return std::nullopt;
    }
    return record;
}

std::optional<JournalRecord> ReadJournal(SystemFile& journal) {
    const std::optional<std::uint64_t> size = journal.Size();
    std::vector<char> buffer;
    const std::size_t pathAt = kMagic.size() + kNumberSize;
    std::optional<std::string_view> start = ReadPiece(journal, 0, buffer, pathAt);
    if (!size || !start || start->size() != pathAt || start->substr(0, kMagic.size()) != kMagic) {
        return std::nullopt;
    }
    const std::uint64_t units = NumberAt(*start, kMagic.size(), kNumberSize);
    if (units > kLongestPath) {
        return std::nullopt;
    }
    const std::size_t headerSize =
        pathAt + static_cast<std::size_t>(units) * kUnitSize + 2 * kNumberSize;
    const std::optional<std::string_view> header = ReadPiece(journal, 0, buffer, headerSize);
    if (!header || header->size() != headerSize) {
        return std::nullopt;
    }
    JournalRecord record;
    for (std::size_t i = 0; i < units; ++i) {
        record.target += static_cast<SystemPath::value_type>(
            NumberAt(*header, pathAt + i * kUnitSize, kUnitSize));
    }
    record.oldSize = NumberAt(*header, headerSize - 2 * kNumberSize, kNumberSize);
    record.newSize = NumberAt(*header, headerSize - kNumberSize, kNumberSize);
    record.newBytesAt = headerSize;
    record.oldBytesAt = headerSize + record.newSize;
    const std::uint64_t checked = record.oldBytesAt + record.oldSize;
    if (record.oldSize > *size || record.newSize > *size || checked + kNumberSize != *size) {
        return std::nullopt;
    }
    std::uint64_t checksum = kChecksumStart;
    for (std::uint64_t done = 0; done < checked;) {
        const std::optional<std::string_view> piece = ReadPiece(
            journal, done, buffer, static_cast<std::size_t>(Within(done, kPieceSize, checked)));
        if (!piece || piece->empty()) {
            return std::nullopt;
        }
        AddToChecksum(checksum, *piece);
        done += piece->size();
    }
    const std::optional<std::string_view> trailer =
        ReadPiece(journal, checked, buffer, kNumberSize);
    if (!trailer || trailer->size() != kNumberSize ||
        NumberAt(*trailer, 0, kNumberSize) != checksum) {
        return std::nullopt;
    }
    return record;
}

JournaledState JudgeJournaledFile(SystemFile& journal, const JournalRecord& record,
                                  SystemFile& target) {
    const std::optional<std::uint64_t> size = target.Size();
    if (!size) {
        return JournaledState::ChangedSince;
    }
    TornFileCheck check(record.oldSize, record.newSize, *size);
    std::vector<char> fileBuffer, oldBuffer, newBuffer;
    for (std::uint64_t done = 0; done < *size;) {
        const std::optional<std::string_view> file = ReadPiece(
            target, done, fileBuffer, static_cast<std::size_t>(Within(done, kPieceSize, *size)));
        const std::optional<std::string_view> oldBytes =
            ReadPiece(journal, record.oldBytesAt + done, oldBuffer,
                      static_cast<std::size_t>(Within(done, kPieceSize, record.oldSize)));
        const std::optional<std::string_view> newBytes =
            ReadPiece(journal, record.newBytesAt + done, newBuffer,
                      static_cast<std::size_t>(Within(done, kPieceSize, record.newSize)));
        if (!file || file->empty() || !oldBytes || !newBytes) {
            return JournaledState::ChangedSince;
        }
        check.Compare(*file, *oldBytes, *newBytes);
        done += file->size();
    }
    return check.Verdict();
}

bool PutOldBytesBack(SystemFile& journal, const JournalRecord& record, SystemFile& target) {
    std::vector<char> buffer;
    for (std::uint64_t done = 0; done < record.oldSize;) {
        const std::optional<std::string_view> piece =
            ReadPiece(journal, record.oldBytesAt + done, buffer,
                      static_cast<std::size_t>(Within(done, kPieceSize, record.oldSize)));
        if (!piece || piece->empty() || !target.WriteAt(done, piece->data(), piece->size())) {
            return false;
        }
        done += piece->size();
    }
    return target.SetSize(record.oldSize) && target.Flush();
}

TornFileCheck::TornFileCheck(std::uint64_t oldSize, std::uint64_t newSize, std::uint64_t fileSize)
    : m_old(fileSize == oldSize), m_new(fileSize == newSize),
      m_eachOldOrNew(fileSize >= std::min(oldSize, newSize) &&
                     fileSize <= std::max(oldSize, newSize)) {}

void TornFileCheck::Compare(std::string_view file, std::string_view oldBytes,
                            std::string_view newBytes) {
    for (std::size_t i = 0; i < file.size(); ++i) {
        const bool isOld = i < oldBytes.size() && file[i] == oldBytes[i];
        const bool isNew = i < newBytes.size() && file[i] == newBytes[i];
        m_old = m_old && isOld;
        m_new = m_new && isNew;
        m_eachOldOrNew = m_eachOldOrNew && (isOld || isNew);
    }
}

JournaledState TornFileCheck::Verdict() const {
    if (m_new) {
        return JournaledState::New;
    }
    if (m_old) {
        return JournaledState::Old;
    }
    return m_eachOldOrNew ? JournaledState::Torn : JournaledState::ChangedSince;
}
