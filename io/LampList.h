#ifndef LUMETRIX_IO_LAMPLIST_H
#define LUMETRIX_IO_LAMPLIST_H

#include "framework/Files.h"
#include "support/TextList.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The records that "Datenbank" lists, gathered source by source (a database, a lamp file): a
// name that occurs in more than one source gets a text in brackets that tells the sources
// apart, "SURFACE MOUNTED WALL LUMINAIRE (wall3.ies)", on every occurrence. Names repeated
// within one source stay as they are.
class LampList {
public:
    // The records appended from now on come from a new source, told apart by `distinction`; a
    // photometric file names itself as `lampFile`.
    void BeginSource(std::string distinction, std::optional<FolderFile> lampFile = std::nullopt);
    // The list to append the current source's records to, each a line with its line end.
    TextList& Records() { return *m_records; }
    // Appends a record to the list that remembers its photometric file.
    void AppendLampFileRecord(const char* record);

    // Tells the repeated names apart and sorts all records in natural order, for the choice.
    void Finish();

    // The photometric file the record at a position came from (appended by
    // AppendLampFileRecord), or null.
    const FolderFile* LampFileOf(int position) const;

private:
    struct Source {
        std::string distinction;
        int first; // its records' first position in m_records
        std::optional<FolderFile> lampFile;
    };
    // Each record's header: its source's index plus one, 0 for none remembered.
    using RecordHeader = std::uint32_t;
    // The source of the record at a position, as gathered, looked for from `hint` on.
    std::size_t SourceAt(int position, std::size_t hint) const;
    void TellRepeatedNamesApart();

    std::unique_ptr<TextList> m_records = std::make_unique<TextList>(sizeof(RecordHeader));
    std::vector<Source> m_sources;
};

#endif
