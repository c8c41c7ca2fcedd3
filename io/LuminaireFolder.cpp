#include "io/LuminaireFolder.h"

#include "framework/Files.h"
#include "photometry/EulumdatReader.h"
#include "photometry/IesReader.h"
#include "photometry/LuminaireRecord.h"
#include "support/NaturalCompare.h"
#include "support/TextList.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

namespace {

// More files than these are only counted: enough to read the first 1 000 by name in any folder
// that someone fills by hand.
constexpr std::size_t kMaximumListedFiles = 100000;
constexpr std::size_t kNamesInMessage = 10;
constexpr std::size_t kReadChunk = 16 * 1024;

enum class PhotometricFormat { None, Eulumdat, Ies };

PhotometricFormat FormatOf(const std::string& name) {
    std::string extension = name.size() >= 4 ? name.substr(name.size() - 4) : std::string();
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (extension == ".ldt") {
        return PhotometricFormat::Eulumdat;
    }
    return extension == ".ies" ? PhotometricFormat::Ies : PhotometricFormat::None;
}

// The whole file, nothing when it cannot be read or is larger than the bound.
std::optional<std::string> ReadWhole(const SystemPath& path) {
    std::FILE* file = OpenSystemFileForReading(path);
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string content;
    char chunk[kReadChunk];
    std::size_t got = 0;
    while (content.size() <= static_cast<std::size_t>(kMaximumLuminaireFileBytes) &&
           (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        content.append(chunk, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed || content.size() > static_cast<std::size_t>(kMaximumLuminaireFileBytes)) {
        return std::nullopt;
    }
    return content;
}

std::optional<std::string> RecordOf(const FolderFile& file, const std::string& content) {
    const std::optional<LuminaireData> data = FormatOf(file.name) == PhotometricFormat::Eulumdat
                                                  ? ReadEulumdat(content)
                                                  : ReadIes(content);
    if (!data) {
        return std::nullopt;
    }
    return LuminaireRecord(*data, file.name);
}

} // namespace

std::string LuminaireFolderBeside(const std::string& databasePath) {
    const std::size_t separator = databasePath.find_last_of("/\\");
    const std::string folder =
        separator == std::string::npos ? std::string() : databasePath.substr(0, separator + 1);
    return folder + kLuminaireFolderName;
}

void ReadLuminaireFolder(const std::string& folder, TextList& records,
                         UnreadableLuminaireFiles& unreadable) {
    std::vector<FolderFile> files = ListFolderFiles(
        folder, [](const std::string& name) { return FormatOf(name) != PhotometricFormat::None; },
        kMaximumListedFiles, unreadable.unnamed);
    std::sort(files.begin(), files.end(), [](const FolderFile& a, const FolderFile& b) {
        return NaturalCompare(a.name.c_str(), b.name.c_str()) < 0;
    });
    std::size_t bytesRead = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::optional<std::string> content;
        if (i < static_cast<std::size_t>(kMaximumLuminaireFiles) &&
            bytesRead < static_cast<std::size_t>(kMaximumLuminaireFolderBytes)) {
            content = ReadWhole(files[i].path);
        }
        const std::optional<std::string> record =
            content ? RecordOf(files[i], *content) : std::nullopt;
        if (record) {
            records.Insert(record->c_str(), -1);
        } else {
            unreadable.names.push_back(files[i].name);
        }
        bytesRead += content ? content->size() : 0;
    }
}

std::string UnreadableLuminaireFilesMessage(const UnreadableLuminaireFiles& unreadable) {
    std::string message = "Diese Leuchtendateien konnten nicht gelesen werden:";
    const std::size_t named = std::min(unreadable.names.size(), kNamesInMessage);
    for (std::size_t i = 0; i < named; ++i) {
        message += '\n' + unreadable.names[i];
    }
    const std::size_t further = unreadable.names.size() - named + unreadable.unnamed;
    if (further > 0) {
        message += "\nund " + std::to_string(further) + " weitere";
    }
    return message;
}
