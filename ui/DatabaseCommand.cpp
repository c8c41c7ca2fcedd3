// The "Datenbank" button: fills in a lamp's data from LightDatabase.csv and the photometric files
// of the folder "Leuchten" beside it, read from the working folder or, when that has no
// database, from the program's folder, and from the planner's own folder in his Documents.
#include "framework/ErrorCaption.h"
#include "framework/Files.h"
#include "io/LampList.h"
#include "io/LampSources.h"
#include "io/LightDatabase.h"
#include "io/LuminaireFolder.h"
#include "support/TextList.h"
#include "ui/ChoiceDialog.h"
#include "ui/MainDialog.h"

#include <string>

namespace {

const char* const kOpenError = "Die Datei 'LightDatabase.csv' konnte nicht ge\xF6"
                               "ffnet werden !";
const char* const kLookedIn = "Gesucht wurden LightDatabase.csv und der Ordner Leuchten in:";
const char* const kEmptyError = "Die Datenbankdatei 'LightDatabase.csv' ist leer !";
// Names the limits of LightDatabase.h.
const char* const kSizeError = "Die Datenbankdatei 'LightDatabase.csv' ist zu gro\xDF !\n"
                               "Erlaubt sind h\xF6"
                               "chstens 100 000 Eintr\xE4ge und 16 MB.";
constexpr UINT kWarningStyle = MB_ICONEXCLAMATION;

// The name chosen last, pre-selected at the next press; kept for the whole run of the program.
std::string& RememberedName() {
    static std::string name;
    return name;
}

// Lets the user pick one of the records. Returns its index, or -1 when the choice was cancelled.
int ChooseRecord(const TextList& records) {
    ChoiceDialog dialog;
    for (int i = 0; i < records.Count(); ++i) {
        const std::string name = DatabaseRecordName(records.Text(i));
        dialog.AddItem(i, 0, name.c_str(), FALSE);
        if (name == RememberedName()) {
            dialog.SetCurSel(i);
        }
    }
    dialog.SetTitle("Datenbank");
    dialog.SetPrompt("Lichtquelle ausw\xE4hlen");
    if (dialog.DoModal() != IDOK) {
        return -1;
    }
    RememberedName() = dialog.GetText();
    return dialog.GetCurSel();
}

// Where the program looked for lamps, for the message when it found none.
std::string OpenErrorMessage() {
    std::string message = std::string(kOpenError) + "\n\n" + kLookedIn;
    for (const std::string& folder : LampFoldersLookedIn()) {
        message += '\n' + folder;
    }
    return message;
}

} // namespace

// Reads every source's database and lamp files afresh, lists the records by name in natural
// order with the name chosen last pre-selected, and applies the chosen record's fields 1 to 23 to
// quantities 0 to 22, one after another, each on top of the effects of those before it. A record
// of a photometric file brings the file's light distribution for the room dialog, read again
// now; a file that no longer gives one leaves the estimate from the Abstrahlwinkel.
void MainDialog::OnDatabase() {
    const std::vector<LampSource> sources = LampSources();
    LampList lamps;
    bool opened = false;
    for (const LampSource& source : sources) {
        std::FILE* file = OpenRegularFileForReading(source.databasePath.c_str());
        if (file == nullptr) {
            continue;
        }
        opened = true;
        lamps.BeginSource(source.label);
        const bool withinLimits = ReadDatabaseRecords(file, lamps.Records());
        std::fclose(file);
        if (!withinLimits) {
            MessageBox(kSizeError, kErrorCaption, MB_ICONHAND);
            return;
        }
    }
    // The lamp files' records join the databases' before the sort; a database that cannot be
    // opened is an error only when they give no record either.
    UnreadableLuminaireFiles unreadable;
    for (const LampSource& source : sources) {
        ReadLuminaireFolder(source.lampFolder, lamps, unreadable);
    }
    if (unreadable.Any()) {
        MessageBox(UnreadableLuminaireFilesMessage(unreadable).c_str(), kErrorCaption,
                   kWarningStyle);
    }
    if (!opened && lamps.Records().Count() == 0) {
        MessageBox(OpenErrorMessage().c_str(), kErrorCaption, MB_ICONHAND);
        return;
    }
    lamps.Finish();
    if (lamps.Records().Count() == 0) {
        MessageBox(kEmptyError, kErrorCaption, MB_ICONHAND);
        return;
    }

    const int chosen = ChooseRecord(lamps.Records());
    if (chosen < 0 || chosen >= lamps.Records().Count()) {
        return;
    }
    const LampRecord record = ReadLampRecord(lamps.Records().Text(chosen));
    const FolderFile* lampFile = lamps.LampFileOf(chosen);
    std::optional<LightDistribution> distribution;
    if (lampFile != nullptr) {
        distribution = ReadLuminaireDistribution(*lampFile);
    }
    if (distribution) {
        m_calculation.ApplyLampFileRecord(record, {lampFile->name, std::move(*distribution)});
    } else {
        m_calculation.ApplyLampRecord(record);
    }
}
