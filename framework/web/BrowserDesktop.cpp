// Modal loops in the browser. The program runs its dialogs as Windows does: DoModal and
// MessageBox return only once the dialog is answered, and the code after them goes on with
// the answer (the save question, the overwrite question, the choice of a lamp). A browser
// gives input only to a script that has returned. Event-driven loops would have to return from
// every one of those calls and come back to the code after it, that is rewrite every command
// of the program into callbacks, for the browser alone. So the modal loop keeps the program as
// it is and waits with ASYNCIFY instead: Emscripten puts the WebAssembly call stack aside while
// the page waits for its next event and takes it up again there. The cost is a larger and
// somewhat slower WebAssembly module, which a dialog program does not feel.
#include "framework/web/BrowserDesktop.h"

#include "framework/headless/Screen.h"
#include "framework/web/Page.h"
#include "framework/web/SceneJson.h"
#include "support/Windows1252.h"

#include <sys/stat.h>

namespace web {
namespace {

// What tells one save of a file from the next: its number, time and size. The program saves
// by writing a new file and putting it in the old one's place, so the number changes with
// every save, also within the one second the browser's file times can tell apart.
std::optional<FileVersion> VersionOf(const std::string& path) {
    struct stat status {};
    if (::stat(Utf8FromWindows1252(path).c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileVersion{static_cast<unsigned long long>(status.st_ino),
                       static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL +
                           status.st_mtim.tv_nsec,
                       static_cast<long long>(status.st_size)};
}

std::string FileName(const std::string& path) {
    std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string JsonText(const std::string& text) {
    std::string json = "\"";
    for (char c : Utf8FromWindows1252(text)) {
        if (c == '"' || c == '\\') {
            json += '\\';
        }
        if (static_cast<unsigned char>(c) >= 0x20) {
            json += c;
        }
    }
    return json + "\"";
}

std::string FileRequestJson(const headless::FileDialogRecord& record) {
    std::string filter = "[";
    for (const std::string& entry : record.filter) {
        filter += (filter.size() > 1 ? "," : "") + JsonText(entry);
    }
    return "{\"save\":" + std::string(record.save ? "true" : "false") +
           ",\"title\":" + JsonText(record.title) + ",\"fileName\":" + JsonText(record.fileName) +
           ",\"defaultExtension\":" + JsonText(record.defExt) + ",\"filter\":" + filter + "]}";
}

} // namespace

void BrowserDesktop::SetReporter(Reporter reporter) {
    m_reporter = std::move(reporter);
}

void BrowserDesktop::RunDialog(HWND dialog, bool outermost) {
    if (!outermost) {
        ObserveDialog();
    }
    RunModalLoop(dialog);
}

int BrowserDesktop::AnswerMessageBox(HWND box, headless::MessageBoxRecord record,
                                     const std::vector<int>&, int) {
    ObserveMessageBox(record);
    RunModalLoop(box);
    return static_cast<int>(headless::ResultOf(box));
}

std::optional<std::string> BrowserDesktop::AnswerFileDialog(headless::FileDialogRecord record) {
    ShowFileDialog(FileRequestJson(record));
    std::optional<std::string> answer;
    for (;;) {
        PageEvent event = NextEvent(nullptr);
        if (event.kind == PageEventKind::FileChosen) {
            answer = event.text;
            break;
        }
        if (event.kind == PageEventKind::FileCancelled) {
            break;
        }
        if (event.kind == PageEventKind::Tick) {
            DeliverInput(event, nullptr);
        }
    }
    CloseFileDialog();
    if (answer && record.save) {
        m_pendingSave = PendingSave{*answer, VersionOf(*answer)};
    }
    return answer;
}

void BrowserDesktop::RunModalLoop(HWND window) {
    while (!headless::HasEnded(window)) {
        PageEvent event = NextEvent(window);
        DeliverInput(event, window);
        OfferSavedFile();
    }
}

PageEvent BrowserDesktop::NextEvent(HWND active) {
    for (;;) {
        ShowChangedScene(active);
        PageEvent event = WaitForPageEvent();
        if (event.kind != PageEventKind::Report) {
            return event;
        }
        Report(m_reporter ? m_reporter(event.text) : std::string());
    }
}

// The page draws only what changed; a scene the same as the last one shown (a tick of the clock
// that changed nothing, a key the field refused) is not sent at all.
void BrowserDesktop::ShowChangedScene(HWND active) {
    std::string scene = SceneJson(active, m_shownControls);
    if (scene != m_shownScene) {
        ShowScene(scene);
        m_shownScene = std::move(scene);
    }
}

// The save dialog only names the file; whether and when the program writes it shows in the
// file itself once the command that asked is done.
void BrowserDesktop::OfferSavedFile() {
    if (!m_pendingSave) {
        return;
    }
    std::optional<FileVersion> version = VersionOf(m_pendingSave->path);
    if (!version || version == m_pendingSave->versionBefore) {
        return;
    }
    OfferDownload(Utf8FromWindows1252(m_pendingSave->path),
                  Utf8FromWindows1252(FileName(m_pendingSave->path)));
    m_pendingSave.reset();
}

} // namespace web
