#include "ui/Calculation.h"

#include "photometry/RoomEfficiency.h"
#include "solver/Recalculator.h"
#include "solver/RoleResolver.h"
#include "ui/NumericText.h"
#include "ui/RoomTakeover.h"

namespace {

// The least Wartungsfaktor a room takes.
constexpr double kLeastMaintenanceFactor = 0.1;

std::string AsRoomEfficiencyShows(double percent) {
    char text[kFieldTextSize];
    FormatFieldValue(percent, static_cast<int>(QuantityAt(kRoomEfficiency).decimals), text);
    return text;
}

} // namespace
Calculation::Calculation(CalculationView& view) : m_view(view) {
    InitLightingModel(m_model);
}

void Calculation::Start() {
    for (int q : kInitiallyGiven) {
        Resolve(m_model, m_view, q);
    }
    for (int q = 0; q < kQuantityCount; ++q) {
        if (m_model.store.computed[q] == 0) {
            Recalculate(m_model, m_view, q);
        }
    }
}

void Calculation::FieldTyped(int q) {
    const double before = m_model.store.value[q];
    if (q == kRoomEfficiency) {
        m_followsRoom = false;
    }
    RunForUser(&Recalculate, q);
    const double factor = m_model.store.value[kMaintenanceFactor];
    if (q == kMaintenanceFactor && m_room && factor >= kLeastMaintenanceFactor && factor <= 1) {
        m_room->maintenanceFactor = factor;
    }
    if (m_lampFileSets[q] && m_model.store.value[q] != before) {
        m_lampFile.reset();
    }
}

void Calculation::FieldLeft(int q) {
    if (m_model.store.computed[q] == 0) {
        RunForUser(&Recalculate, q);
    }
}

void Calculation::GivenClicked(int q) {
    if (q == kRoomEfficiency) {
        m_followsRoom = false;
    }
    RunForUser(&Resolve, q);
}

void Calculation::RunForUser(EntryPoint entryPoint, int q) {
    const ValueStore before = m_model.store;
    entryPoint(m_model, m_view, q);
    m_unsavedChanges.NoteUserAction(before, m_model.store);
    ShowTitle();
}

// The box of a quantity shows its given flag at all times (Resolve shows the roles), so the flag
// tells whether a click would be needed. The first recalculation is the one that typing the text
// would start, the second the record's own.
void Calculation::ApplyLampRecord(const LampRecord& record) {
    m_lampFile.reset();
    m_missingLampFile.clear();
    ApplyRecordFields(record);
    FollowRoomWithNewLamp();
}

void Calculation::ApplyLampFileRecord(const LampRecord& record, PhotometricLamp lamp) {
    ApplyRecordFields(record);
    m_lampFile = std::move(lamp);
    m_missingLampFile.clear();
    for (int q = 0; q < kQuantityCount; ++q) {
        m_lampFileSets[q] = record[q].action != DatabaseField::Action::Unchanged;
    }
    FollowRoomWithNewLamp();
}

// The light of a lamp file, or else the estimate from the Abstrahlwinkel the fields now hold.
std::optional<double> Calculation::RoomEfficiencyOfCurrentLamp() const {
    if (!m_room) {
        return std::nullopt;
    }
    const RoomLight light =
        LightForRoom(LampFile(), m_model.store.value[kBeamAngle], m_missingLampFile);
    const std::optional<RoomEfficiency> efficiency =
        CalculateRoomEfficiency(*m_room, DownwardLight(light.distribution));
    if (!efficiency) {
        return std::nullopt;
    }
    return efficiency->percent;
}

void Calculation::FollowRoomWithNewLamp() {
    if (!m_followsRoom) {
        return;
    }
    const std::optional<double> percent = RoomEfficiencyOfCurrentLamp();
    if (!percent) {
        return;
    }
    const std::string text = AsRoomEfficiencyShows(*percent);
    LampRecord record;
    record[kRoomEfficiency] = {DatabaseField::Action::Fix, text};
    ApplyRecordFields(record);
    m_view.ShowNote("Raumwirkungsgrad f\xFCr die neue Leuchte neu berechnet: " + text + " %");
}

void Calculation::ApplyRecordFields(const LampRecord& record) {
    for (int q = 0; q < kQuantityCount; ++q) {
        const DatabaseField::Action action = record[q].action;
        if (action == DatabaseField::Action::Unchanged) {
            continue;
        }
        const bool fix = action == DatabaseField::Action::Fix;
        if ((m_model.store.given[q] != 0) != fix) {
            Resolve(m_model, m_view, q);
        }
        if (fix) {
            m_view.ShowFieldText(q, record[q].text.c_str());
            Recalculate(m_model, m_view, q);
            Recalculate(m_model, m_view, q);
        }
    }
    m_unsavedChanges.MarkChanged();
    ShowTitle();
}

void Calculation::ApplyRoom(const Room& room, double roomEfficiency) {
    LampRecord record;
    for (const TakenOverField& field : TakeOverRoom(room, roomEfficiency)) {
        record[field.quantity] = {DatabaseField::Action::Fix, field.text};
    }
    m_room = room;
    ApplyRecordFields(record);
    m_followsRoom = true;
}

// Stores the file's values; unticks the quantities the file does not mark (wantGiven false) or
// ticks those it marks (wantGiven true). Each toggle re-derives all roles, so the flags are
// looked at only when the pass reaches the quantity.
void Calculation::ToggleTowardsMarks(bool wantGiven, const DataFileContents& contents) {
    ValueStore& store = m_model.store;
    for (int q = 0; q < kQuantityCount; ++q) {
        if (!contents.present[q]) {
            continue;
        }
        store.value[q] = contents.value[q];
        if (contents.marked[q] == wantGiven && (store.given[q] != 0) != wantGiven) {
            Resolve(m_model, m_view, q);
        }
    }
}

// Both entry points begin by reading the fields, so a value stored by a pass lasts only until
// the next call; the field write after the toggles puts the file's values into the fields, from
// which the recalculations take them.
void Calculation::ApplyDataFile(const DataFileContents& contents, const std::string& path,
                                std::optional<PhotometricLamp> lamp) {
    ValueStore& store = m_model.store;
    if (contents.recognisedLines != 0) {
        m_room = contents.room;
        m_missingLampFile = lamp || !m_room ? std::string() : contents.lampFileName;
        m_lampFile = std::move(lamp);
    }
    for (int round = 0; round < 2; ++round) {
        ToggleTowardsMarks(false, contents);
        ToggleTowardsMarks(true, contents);
    }
    m_view.WriteFields();

    for (int q = 0; q < kQuantityCount; ++q) {
        if (contents.present[q] && store.computed[q] == 0) {
            store.value[q] = contents.value[q];
            if (!contents.marked[q]) {
                Recalculate(m_model, m_view, q);
            }
        }
    }
    for (int q = 0; q < kQuantityCount; ++q) {
        if (contents.present[q]) {
            store.value[q] = contents.value[q];
            if (contents.marked[q]) {
                Recalculate(m_model, m_view, q);
            }
        }
    }
    m_view.WriteFields();
    if (contents.recognisedLines != 0) {
        m_unsavedChanges.MatchFile(path);
        ShowTitle();
        const std::optional<double> percent = RoomEfficiencyOfCurrentLamp();
        m_followsRoom =
            percent && store.given[kRoomEfficiency] != 0 &&
            AsRoomEfficiencyShows(*percent) == AsRoomEfficiencyShows(store.value[kRoomEfficiency]);
    }
}

void Calculation::SavedTo(const std::string& path) {
    m_unsavedChanges.MatchFile(path);
    ShowTitle();
}

void Calculation::ShowTitle() {
    m_view.ShowTitle(m_unsavedChanges.WindowTitle());
}
