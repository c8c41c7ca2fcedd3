#ifndef LUMETRIX_UI_UNSAVEDCHANGES_H
#define LUMETRIX_UI_UNSAVEDCHANGES_H

#include "model/ValueStore.h"

#include <string>

// Whether the calculation holds changes that are in no file yet, and the file it last came from
// or went to. The main dialog asks before it ends while there are such changes, and its title
// names the file, with a '*' while they last: "plan.lumx* - Lumetrix".
//
// A change is what the user did to the calculation as the dialog shows it: a value as its field
// shows it, or a "Vorgabe" box. Loading a file or saving to one makes the calculation match
// that file again. Start-up's own role resolution and recalculation change nothing, nor does
// leaving a field that only formats its text.
class UnsavedChanges {
public:
    // A user's action (typing, leaving a field, a click) turned `before` into `after`.
    void NoteUserAction(const ValueStore& before, const ValueStore& after);
    // The user changed the calculation (a lamp from the database, for one).
    void MarkChanged() { m_changed = true; }
    // The calculation was loaded from the file at `path`, or saved to it.
    void MatchFile(const std::string& path);

    bool HasChanges() const { return m_changed; }
    // "Lumetrix" before any file was loaded or saved, then the file's name without its folder.
    std::string WindowTitle() const;

private:
    std::string m_fileName; // without its folder; empty before the first load or save
    bool m_changed = false;
};

// Whether the two states show the same calculation: the same boxes ticked, and every value
// the same as its field shows it.
bool ShowSameCalculation(const ValueStore& one, const ValueStore& other);

#endif
