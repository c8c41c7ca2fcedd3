#ifndef LUMETRIX_UI_CALCULATION_H
#define LUMETRIX_UI_CALCULATION_H

#include "io/DataFileText.h"
#include "io/LightDatabase.h"
#include "model/LightingModel.h"
#include "photometry/Room.h"
#include "solver/SolverView.h"
#include "ui/RoomLight.h"
#include "ui/UnsavedChanges.h"

#include <optional>
#include <string>

// The window that shows a calculation: the solver's view of the fields and boxes, and beyond it
// a field's text that comes from outside and the window's title.
class CalculationView : public SolverView {
public:
    // Puts a value from outside into the field of quantity q, as the text the user would type.
    // The field must not report it as typing: the calculation recalculates by itself.
    virtual void ShowFieldText(int q, const char* text) = 0;
    // Names the calculation's file and shows whether it holds unsaved changes.
    virtual void ShowTitle(const std::string& title) = 0;
    // Tells the user once what the calculation did by itself, until the next help text.
    virtual void ShowNote(const std::string& note) = 0;

protected:
    ~CalculationView() = default;
};

// The calculation the main dialog shows: the lighting model, and whether it holds changes that
// are in no file yet. Every value reaches the model through it, whether the user types or
// clicks, a data file is loaded, a lamp is taken from the database or a room is applied. Each
// operation runs the solver's two entry points, Resolve and Recalculate, in a fixed order, and
// the view shows what they leave; the window only reports its events.
class Calculation {
public:
    explicit Calculation(CalculationView& view);
    Calculation(const Calculation&) = delete;
    Calculation& operator=(const Calculation&) = delete;

    const ValueStore& Store() const { return m_model.store; }
    // What the view's fields exchange with: reading the fields puts their values here.
    ValueStore& FieldValues() { return m_model.store; }
    bool HasUnsavedChanges() const { return m_unsavedChanges.HasChanges(); }
    // The room last applied, none before the first.
    const std::optional<Room>& RoomUsed() const { return m_room; }
    // The lamp last taken from a photometric file while it is the current lamp, else null.
    const PhotometricLamp* LampFile() const { return m_lampFile ? &*m_lampFile : nullptr; }
    // The lamp file a loaded data file names whose light was neither in the file nor found,
    // until another lamp or data file replaces it; empty for none.
    const std::string& MissingLampFile() const { return m_missingLampFile; }

    // Start-up: ticks the initially given quantities in their order, then recalculates every
    // quantity that is not computed, in index order. None of it is a change to save.
    void Start();

    // The user's actions on quantity q, each a change when the fields then show another
    // calculation. Typing recalculates whatever q's role; leaving the field recalculates unless
    // q is computed; a click on its "Vorgabe" box resolves the roles. A Wartungsfaktor typed
    // becomes the room's too, once it is one a room takes.
    void FieldTyped(int q);
    void FieldLeft(int q);
    void GivenClicked(int q);

    // A lamp from the database, applied field by field in quantity order, each on top of the
    // fields before it as the user's clicks and typing would be: where a quantity's box must
    // change, its roles are resolved; a fixing field's text goes into the quantity's field and is
    // recalculated twice, as the text typed and then once more. A database line replaces the
    // lamp of a photometric file; a lamp file's record makes its lamp the current one, until the
    // fields its record set are typed in or another lamp or data file replaces it. While the
    // Raumwirkungsgrad is the room's (FollowsRoom), the new lamp's light gives the room's
    // Raumwirkungsgrad anew, in the same step, and a note says so.
    void ApplyLampRecord(const LampRecord& record);
    void ApplyLampFileRecord(const LampRecord& record, PhotometricLamp lamp);
    // A room: its light-point height as the Lampenhöhe, its area a b as the Raumgröße, its
    // Raumwirkungsgrad (percent) and its Wartungsfaktor, all made given, as a lamp record that
    // fixes them at the texts their fields would show (TakeOverRoom). The room is remembered
    // for the room dialog and the data file, and the Raumwirkungsgrad is the room's.
    void ApplyRoom(const Room& room, double roomEfficiency);
    // Whether the Raumwirkungsgrad is the one the room gives the current lamp: taken over by
    // ApplyRoom, or loaded so with a room, and neither typed nor clicked since.
    bool FollowsRoom() const { return m_followsRoom; }

    // Brings the roles and values to what a data file holds: four passes toggle the given flags
    // towards the file's marks, the fields show the file's values, two passes recalculate from
    // them (unmarked quantities first), and the fields are written once more. A file with a
    // recognised line becomes the calculation's file, with nothing unsaved. The file's room, if
    // any, becomes the calculation's, and the lamp file it names the current lamp when its light
    // came with the file or could be read again (lamp not null); otherwise the file stays named
    // as the missing one.
    void ApplyDataFile(const DataFileContents& contents, const std::string& path,
                       std::optional<PhotometricLamp> lamp = std::nullopt);
    // The calculation was saved to this file.
    void SavedTo(const std::string& path);

private:
    using EntryPoint = void (*)(LightingModel&, SolverView&, int);

    // An entry point run for the user's action on q, and the change it made.
    void RunForUser(EntryPoint entryPoint, int q);
    void ToggleTowardsMarks(bool wantGiven, const DataFileContents& contents);
    void ShowTitle();
    void ApplyRecordFields(const LampRecord& record);
    void FollowRoomWithNewLamp();
    std::optional<double> RoomEfficiencyOfCurrentLamp() const;

    LightingModel m_model;
    UnsavedChanges m_unsavedChanges;
    CalculationView& m_view;
    std::optional<Room> m_room;
    std::optional<PhotometricLamp> m_lampFile;
    std::string m_missingLampFile;
    bool m_followsRoom = false;
    // The quantities the lamp file's record set: typing in one of them makes another lamp.
    bool m_lampFileSets[kQuantityCount] = {};
};

#endif
