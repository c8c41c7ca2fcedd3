#ifndef LUMETRIX_IO_LUMINAIREFOLDER_H
#define LUMETRIX_IO_LUMINAIREFOLDER_H

#include <cstddef>
#include <string>
#include <vector>

class TextList;

// The makers' photometric files (EULUMDAT .ldt, IES .ies) in the folder "Leuchten" beside the
// lamp database: each one a record of the database, read afresh at every press of "Datenbank".
constexpr const char* kLuminaireFolderName = "Leuchten";

// Bounds that keep a press quick and small whatever the folder holds: a real photometric file
// has well under 100 KiB, a maker's whole range some hundred files. Files beyond the first
// 1 000 (in name order), files over 4 MiB and files that would take the bytes read beyond
// 64 MiB are not read.
constexpr long kMaximumLuminaireFileBytes = 4L * 1024 * 1024;
constexpr int kMaximumLuminaireFiles = 1000;
constexpr long kMaximumLuminaireFolderBytes = 64L * 1024 * 1024;

// The folder "Leuchten" in the folder of the database's path; in the working folder when the
// path names no folder.
std::string LuminaireFolderBeside(const std::string& databasePath);

// The files that gave no record, because they break their format or the bounds above.
struct UnreadableLuminaireFiles {
    std::vector<std::string> names; // in name order
    std::size_t unnamed = 0;        // more files than a folder is listed for
    bool Any() const { return !names.empty() || unnamed > 0; }
};

// Appends a record for every photometric file of the folder, in name order, and notes the
// files that gave none. A missing folder gives nothing.
void ReadLuminaireFolder(const std::string& folder, TextList& records,
                         UnreadableLuminaireFiles& unreadable);

// The message that names the unreadable files: at most ten, then how many more there are.
std::string UnreadableLuminaireFilesMessage(const UnreadableLuminaireFiles& unreadable);

#endif
