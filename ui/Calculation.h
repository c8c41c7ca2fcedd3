#ifndef LUMETRIX_UI_CALCULATION_H
#define LUMETRIX_UI_CALCULATION_H

#include "io/DataFileText.h"
#include "io/LightDatabase.h"
#include "model/LightingModel.h"
#include "photometry/Room.h"
#include "solver/SolverView.h"
#include "ui/UnsavedChanges.h"

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

    // Start-up: ticks the initially given quantities in their order, then recalculates every
    // quantity that is not computed, in index order. None of it is a change to save.
    void Start();

    // The user's actions on quantity q, each a change when the fields then show another
    // calculation. Typing recalculates whatever q's role; leaving the field recalculates unless
    // q is computed; a click on its "Vorgabe" box resolves the roles.
    void FieldTyped(int q);
    void FieldLeft(int q);
    void GivenClicked(int q);

    // A lamp from the database, applied field by field in quantity order, each on top of the
    // fields before it as the user's clicks and typing would be: where a quantity's box must
    // change, its roles are resolved; a fixing field's text goes into the quantity's field and is
    // recalculated twice, as the text typed and then once more.
    void ApplyLampRecord(const LampRecord& record);
    // A room: its area a b as the Raumgröße and its Raumwirkungsgrad (percent), both made given,
    // as a lamp record that fixes them at the texts their fields would show.
    void ApplyRoom(const Room& room, double roomEfficiency);

    // Brings the roles and values to what a data file holds: four passes toggle the given flags
    // towards the file's marks, the fields show the file's values, two passes recalculate from
    // them (unmarked quantities first), and the fields are written once more. A file with a
    // recognised line becomes the calculation's file, with nothing unsaved.
    void ApplyDataFile(const DataFileContents& contents, const std::string& path);
    // The calculation was saved to this file.
    void SavedTo(const std::string& path);

private:
    using EntryPoint = void (*)(LightingModel&, SolverView&, int);

    // An entry point run for the user's action on q, and the change it made.
    void RunForUser(EntryPoint entryPoint, int q);
    void ToggleTowardsMarks(bool wantGiven, const DataFileContents& contents);
    void ShowTitle();

    LightingModel m_model;
    UnsavedChanges m_unsavedChanges;
    CalculationView& m_view;
};

#endif
