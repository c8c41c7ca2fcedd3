#include "io/LuminaireFolder.h"

#include "framework/FileSnapshot.h"
#include "io/LampList.h"
#include "io/LuminaireRecord.h"
#include "photometry/EulumdatReader.h"
#include "photometry/IesReader.h"
#include "support/NaturalCompare.h"
#include "support/TextList.h"
#include "support/Windows1252.h"

#include <algorithm>
#include <cctype>

namespace {

// More files than these are only counted: enough to read the first 1 000 by name in any folder
// that someone fills by hand.
constexpr std::size_t kMaximumListedFiles = 100000;
constexpr std::size_t kNamesInMessage = 10;

const char* const kUnreadableHeading = "Diese Leuchtendateien konnten nicht gelesen werden:";
const char* const kUnlisted = "mehr als 1 000 Leuchtendateien: nur die ersten werden gelistet";
const char* const kTooLarge = "gr\xF6\xDF"
                              "er als 4 MiB";
const char* const kFolderTooLarge = "nicht gelesen: mehr als 64 MiB Leuchtendateien";
const char* const kNotOpened = "kann nicht ge\xF6"
                               "ffnet werden";
const char* const kChanging = "wurde w\xE4hrend des Lesens ge\xE4ndert";

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

// A file in UTF-8 is read in Windows-1252, as the program keeps its texts.
LuminaireReading ReadPhotometricContent(const std::string& fileName, std::string_view content) {
    const std::string text = Windows1252FromTextFile(content);
    return FormatOf(fileName) == PhotometricFormat::Eulumdat ? ReadEulumdat(text) : ReadIes(text);
}

} // namespace

std::string LuminaireFolderBeside(const std::string& databasePath) {
    const std::size_t separator = databasePath.find_last_of("/\\");
    const std::string folder =
        separator == std::string::npos ? std::string() : databasePath.substr(0, separator + 1);
    return folder + kLuminaireFolderName;
}

LuminaireFileReading LuminaireFileRecords(const std::string& fileName, std::string_view content) {
    const LuminaireReading reading = ReadPhotometricContent(fileName, content);
    if (!reading.data) {
        return {{}, reading.fault.Text()};
    }
    return {LuminaireRecords(*reading.data, fileName), std::string()};
}

LuminaireFileReading ReadLuminaireFile(const FolderFile& file) {
    std::string content;
    switch (ReadFileSnapshot(file.path, kMaximumLuminaireFileBytes, content)) {
    case SnapshotResult::Read: {
        LuminaireFileReading reading = LuminaireFileRecords(file.name, content);
        reading.bytesRead = content.size();
        return reading;
    }
    case SnapshotResult::TooLarge:
        return {{}, kTooLarge};
    case SnapshotResult::Changing:
        return {{}, kChanging};
    default:
        return {{}, kNotOpened};
    }
}

void ReadLuminaireFolder(const std::string& folder, LampList& lamps,
                         UnreadableLuminaireFiles& unreadable) {
    std::size_t beyond = 0;
    std::vector<FolderFile> files = ListFolderFiles(
        folder, [](const std::string& name) { return FormatOf(name) != PhotometricFormat::None; },
        kMaximumListedFiles, beyond);
    std::sort(files.begin(), files.end(), [](const FolderFile& a, const FolderFile& b) {
        return NaturalCompare(a.name.c_str(), b.name.c_str()) < 0;
    });
    if (beyond > 0 || files.size() > static_cast<std::size_t>(kMaximumLuminaireFiles)) {
        unreadable.unlisted = true;
        files.resize(std::min(files.size(), static_cast<std::size_t>(kMaximumLuminaireFiles)));
    }
    std::size_t bytesRead = 0;
    for (const FolderFile& file : files) {
        LuminaireFileReading reading = {{}, kFolderTooLarge};
        if (bytesRead < static_cast<std::size_t>(kMaximumLuminaireFolderBytes)) {
            reading = ReadLuminaireFile(file);
        }
        bytesRead += reading.bytesRead;
        lamps.BeginSource(file.name, file);
        for (const std::string& record : reading.records) {
            lamps.AppendLampFileRecord(record.c_str());
        }
        if (reading.records.empty()) {
            unreadable.files.push_back({file.name, reading.reason});
        }
    }
}

std::optional<LightDistribution> ReadLuminaireDistribution(const FolderFile& file) {
    std::string content;
    if (ReadFileSnapshot(file.path, kMaximumLuminaireFileBytes, content) != SnapshotResult::Read) {
        return std::nullopt;
    }
    LuminaireReading reading = ReadPhotometricContent(file.name, content);
    if (!reading.data || reading.data->distribution.intensities.empty()) {
        return std::nullopt;
    }
    return std::move(reading.data->distribution);
}

std::optional<FolderFile> FindLuminaireFile(const std::string& folder, const std::string& name) {
    std::size_t beyond = 0;
    std::vector<FolderFile> files = ListFolderFiles(
        folder, [&name](const std::string& listed) { return listed == name; }, 1, beyond);
    if (files.empty()) {
        return std::nullopt;
    }
    return std::move(files.front());
}

std::string UnreadableLuminaireFilesMessage(const UnreadableLuminaireFiles& unreadable) {
    std::string message;
    if (!unreadable.files.empty()) {
        message = kUnreadableHeading;
        const std::size_t named = std::min(unreadable.files.size(), kNamesInMessage);
        for (std::size_t i = 0; i < named; ++i) {
            message += '\n' + unreadable.files[i].name + ": " + unreadable.files[i].reason;
        }
        if (unreadable.files.size() > named) {
            message += "\nund " + std::to_string(unreadable.files.size() - named) + " weitere";
        }
    }
    if (unreadable.unlisted) {
        message += (message.empty() ? "" : "\n\n") + std::string(kUnlisted);
    }
    return message;
}
