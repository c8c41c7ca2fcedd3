// The "Laden" and "Speichern" buttons of the main dialog.
#include "framework/ErrorCaption.h"
#include "framework/Files.h"
#include "io/DataFileText.h"
#include "io/FileReplacement.h"
#include "io/LampSources.h"
#include "io/LuminaireFolder.h"
#include "resources/resource.h"
#include "ui/DialogOffer.h"
#include "ui/MainDialog.h"
#include "ui/filedialog/FieldTextLimits.h"

namespace {

constexpr const char* kExtension = "*.lumx";
constexpr const char* kFilter = "Datendatei ( *.lumx )|*.lumx|Alle Dateien|*.*|";
// Names kLargestDataFile.
constexpr const char* kTooLarge = "Die Datei ist zu gro\xDF !\nErlaubt sind h\xF6"
                                  "chstens 4 MB.";
constexpr DWORD kLoadFlags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING;
constexpr DWORD kSaveFlags = kLoadFlags | OFN_PATHMUSTEXIST;

// Lets the user choose a data file, offering the one last chosen. The choice is remembered
// before the file is touched, so the next dialog offers it even if the command then fails. A
// path the dialog cannot return is reported and ends the command like a cancel. Saving a file
// whose path the dialog cannot show (named on the command line) is refused as a path typed too
// long is; the dialog then lets the user choose another place.
bool ChooseDataFile(CWnd& owner, std::string& dataFileName, bool forLoading) {
    const DialogOffer offer = OfferToFileDialog(dataFileName.empty() ? kExtension : dataFileName);
    if (!offer.whole && !forLoading) {
        owner.MessageBox(kPathTooLongMessage, kErrorCaption, MB_ICONHAND);
    }
    CFileDialog dialog(forLoading, kExtension, offer.name.c_str(),
                       forLoading ? kLoadFlags : kSaveFlags, kFilter, &owner);
    dialog.m_ofn.lpstrTitle = forLoading ? "Daten laden" : "Daten speichern";
    if (!offer.folder.empty()) {
        dialog.m_ofn.lpstrInitialDir = offer.folder.c_str();
    }
    if (dialog.DoModal() != IDOK) {
        if (::CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
            owner.MessageBox(kPathTooLongMessage, kErrorCaption, MB_ICONHAND);
        }
        return false;
    }
    dataFileName = dialog.GetPathName();
    return true;
}

// The path made absolute against the current folder, as a file dialog returns it; unchanged
// when the system cannot make it so.
std::string FullPathOf(const std::string& path) {
    const DWORD size = ::GetFullPathName(path.c_str(), 0, nullptr, nullptr);
    std::string full(size, '\0');
    const DWORD length = ::GetFullPathName(path.c_str(), size, full.data(), nullptr);
    return length == 0 || length >= size ? path : full.substr(0, length);
}

bool IsExistingFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributes(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The lamp file that a data file's room names, with the light the data file carries, or else
// looked for by its name in the folders "Leuchten" that "Datenbank" reads; none when the file
// names none or none of them gives its light.
std::optional<PhotometricLamp> LampOfDataFile(const DataFileContents& contents) {
    if (!contents.room || contents.lampFileName.empty()) {
        return std::nullopt;
    }
    if (contents.distribution) {
        return PhotometricLamp{contents.lampFileName, *contents.distribution};
    }
    for (const LampSource& source : LampSources()) {
        const std::optional<FolderFile> file =
            FindLuminaireFile(source.lampFolder, contents.lampFileName);
        std::optional<LightDistribution> distribution;
        if (file) {
            distribution = ReadLuminaireDistribution(*file);
        }
        if (distribution) {
            return PhotometricLamp{file->name, std::move(*distribution)};
        }
    }
    return std::nullopt;
}

// What of a file that loads was left out: the room, with its field's problem, or the lamp
// file's name.
void ReportLeftOut(CWnd& owner, const DataFileContents& contents) {
    if (contents.roomProblem != RoomProblem::None) {
        const std::string text = std::string("Der Raum der Datei wurde nicht \xFC"
                                             "bernommen:\n") +
                                 RoomProblemMessage(contents.roomProblem);
        owner.MessageBox(text.c_str(), kErrorCaption, MB_ICONEXCLAMATION);
    }
    if (contents.lampFileNameRefused) {
        owner.MessageBox("Der Name der Leuchtendatei in der Datei ist ung\xFCltig !", kErrorCaption,
                         MB_ICONEXCLAMATION);
    }
}

// The lamp file's light goes with the calculation; a lamp file that was missing stays named.
std::string DataFileText(const Calculation& calculation) {
    const PhotometricLamp* lamp = calculation.LampFile();
    if (lamp == nullptr) {
        return FormatDataFile(calculation.Store(), calculation.RoomUsed(),
                              calculation.MissingLampFile());
    }
    return FormatDataFile(calculation.Store(), calculation.RoomUsed(), lamp->fileName,
                          &lamp->distribution);
}

} // namespace

void MainDialog::SaveDataFile() {
    SaveCalculation();
}

bool MainDialog::SaveCalculation() {
    if (!ChooseDataFile(*this, m_dataFileName, false)) {
        return false;
    }
    if (IsExistingFile(m_dataFileName) &&
        MessageBox("Die Datei existiert bereits !\nSoll sie \xFC"
                   "berschrieben werden ?",
                   kErrorCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return false;
    }
    const std::string text = DataFileText(m_calculation);
    if (!ReplaceFileContent(m_dataFileName, text)) {
        MessageBox("Die Datei konnte nicht gespeichert werden !", kErrorCaption, MB_ICONHAND);
        return false;
    }
    m_calculation.SavedTo(m_dataFileName);
    return true;
}

void MainDialog::LoadDataFile() {
    if (ChooseDataFile(*this, m_dataFileName, true)) {
        LoadNamedDataFile();
    }
}

// The data file named on the command line. "Laden" has the keyboard focus while it loads, so
// the focus moves there for the load: every field, the focused edit's too, then shows what was
// loaded. Afterwards the focus returns to where start-up put it.
void MainDialog::LoadStartFile() {
    m_dataFileName = FullPathOf(m_startFileName);
    HWND focus = ::GetFocus();
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_LOAD)->m_hWnd), TRUE);
    LoadNamedDataFile();
    if (focus != nullptr) {
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
    }
}

void MainDialog::RestoreInterruptedSaves() {
    for (const std::string& file : ::RestoreInterruptedSaves()) {
        ReportRestoredFile(file);
    }
}

void MainDialog::ReportRestoredFile(const std::string& file) {
    const std::string text = "Das Speichern der Datei '" + file +
                             "' wurde unterbrochen !\nIhr vorheriger Inhalt wurde "
                             "wiederhergestellt.";
    MessageBox(text.c_str(), kErrorCaption, MB_ICONEXCLAMATION);
}

// Another instance's save of the file may have ended midway since this one started.
void MainDialog::LoadNamedDataFile() {
    if (const std::optional<std::string> restored = RestoreInterruptedSave(m_dataFileName)) {
        ReportRestoredFile(*restored);
    }
    std::FILE* file = OpenRegularFileForReading(m_dataFileName.c_str());
    if (file == nullptr) {
        MessageBox("Die Datei wurde nicht gefunden !", kErrorCaption, MB_ICONHAND);
        return;
    }
    const long size = SizeOfOpenFile(file);
    if (size < 0 || size > kLargestDataFile) {
        std::fclose(file);
        MessageBox(kTooLarge, kErrorCaption, MB_ICONHAND);
        return;
    }
    DataFileContents contents;
    ReadDataFile(file, contents);
    std::fclose(file);
    if (contents.recognisedLines == 0) {
        MessageBox("Die Datei hat das falsche Format !", kErrorCaption, MB_ICONHAND);
    } else {
        ReportLeftOut(*this, contents);
    }
    m_calculation.ApplyDataFile(contents, m_dataFileName, LampOfDataFile(contents));
}
