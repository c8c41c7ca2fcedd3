#ifndef LUMETRIX_IO_LAMPLIST_H
#define LUMETRIX_IO_LAMPLIST_H

#include "support/TextList.h"

#include <memory>
#include <string>
#include <vector>

// The records that "Datenbank" lists, gathered source by source (a database, a lamp file): a
// name that occurs in more than one source gets a text in brackets that tells the sources
// apart, "SURFACE MOUNTED WALL LUMINAIRE (wall3.ies)", on every occurrence. Names repeated
// within one source stay as they are.
class LampList {
public:
    // The records appended from now on come from a new source, told apart by `distinction`.
    void BeginSource(std::string distinction);
    // The list to append the current source's records to, each a line with its line end.
    TextList& Records() { return *m_records; }

    // Tells the repeated names apart and sorts all records in natural order, for the choice.
    void Finish();

private:
    struct Source {
        std::string distinction;
        int first; // its records' first position in m_records
    };
    // The source of the record at a position, as gathered, looked for from `hint` on.
    std::size_t SourceAt(int position, std::size_t hint) const;
    void TellRepeatedNamesApart();

    std::unique_ptr<TextList> m_records = std::make_unique<TextList>();
    std::vector<Source> m_sources;
};

#endif
