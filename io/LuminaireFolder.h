#ifndef LUMETRIX_IO_LUMINAIREFOLDER_H
#define LUMETRIX_IO_LUMINAIREFOLDER_H

#include "framework/Files.h"
#include "photometry/LightDistribution.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class LampList;

// The makers' photometric files (EULUMDAT .ldt, IES .ies) in a folder "Leuchten" beside a lamp
// database: each one records of the database, read afresh at every press of "Datenbank".
constexpr const char* kLuminaireFolderName = "Leuchten";

// Bounds that keep a press quick and small whatever the folder holds: a real photometric file
// has well under 100 KiB, a maker's whole range some hundred files. Files beyond the first
// 1 000 (in name order) are not listed, files over 4 MiB and files that would take the bytes
// read beyond 64 MiB are not read.
constexpr long kMaximumLuminaireFileBytes = 4L * 1024 * 1024;
constexpr int kMaximumLuminaireFiles = 1000;
constexpr long kMaximumLuminaireFolderBytes = 64L * 1024 * 1024;

// The folder "Leuchten" in the folder of the database's path; in the working folder when the
// path names no folder.
std::string LuminaireFolderBeside(const std::string& databasePath);

// What one lamp file gives: its records, one per lamp set, or why it gives none (German,
// Windows-1252: "Zeile 27: Lampenanzahl erwartet").
struct LuminaireFileReading {
    std::vector<std::string> records;
    std::string reason;
    std::size_t bytesRead = 0;
};

// The records of a photometric file of that name and content, as ReadLuminaireFolder reads them.
LuminaireFileReading LuminaireFileRecords(const std::string& fileName, std::string_view content);

// The records of the photometric file at `path`, read as one version of it even while another
// program rewrites it (see FileSnapshot.h).
LuminaireFileReading ReadLuminaireFile(const FolderFile& file);

// The light distribution of a photometric file, read afresh; none when the file cannot be read
// or gives none (IES photometry of type B).
std::optional<LightDistribution> ReadLuminaireDistribution(const FolderFile& file);

// The photometric file of that name in the folder, none when it holds none.
std::optional<FolderFile> FindLuminaireFile(const std::string& folder, const std::string& name);

// The files that gave no record, and folders with more files than are listed.
struct UnreadableLuminaireFiles {
    struct File {
        std::string name;
        std::string reason;
    };
    std::vector<File> files; // in name order
    bool unlisted = false;   // a folder held more than 1 000 lamp files
    bool Any() const { return !files.empty() || unlisted; }
};

// Appends the records of every photometric file of the folder to the list, each file a source
// of its own, in name order, and notes the files that gave none. A missing folder gives nothing.
void ReadLuminaireFolder(const std::string& folder, LampList& lamps,
                         UnreadableLuminaireFiles& unreadable);

// The message that names the unreadable files, one reason each: at most ten, then how many
// more there are; and whether a folder held more files than are listed.
std::string UnreadableLuminaireFilesMessage(const UnreadableLuminaireFiles& unreadable);

#endif
