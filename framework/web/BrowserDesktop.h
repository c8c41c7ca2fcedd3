// The headless desktop in a browser: the person at the page is the user of every dialog,
// message box and file dialog the program opens. Each of them runs a modal loop that takes
// the page's events (keys, the mouse, the clock) until it is answered, and shows the scene
// after each one.
#ifndef LUMETRIX_FRAMEWORK_WEB_BROWSERDESKTOP_H
#define LUMETRIX_FRAMEWORK_WEB_BROWSERDESKTOP_H

#include "framework/headless/Desktop.h"
#include "framework/web/PageEvent.h"
#include "framework/web/SceneJson.h"

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace web {

// A file's number, modification time (nanoseconds) and size.
using FileVersion = std::tuple<unsigned long long, long long, long long>;

class BrowserDesktop : public headless::Desktop {
public:
    // Answers a report request of the page ("show", "state") with its lines (UTF-8), empty
    // for one it does not know.
    using Reporter = std::function<std::string(const std::string& request)>;
    void SetReporter(Reporter reporter);

    void RunDialog(HWND dialog, bool outermost) override;
    int AnswerMessageBox(HWND box, headless::MessageBoxRecord record,
                         const std::vector<int>& buttons, int unanswered) override;
    std::optional<std::string> AnswerFileDialog(headless::FileDialogRecord record) override;

private:
    // A file the program is saving: offered as a download once it has been written.
    struct PendingSave {
        std::string path;
        std::optional<FileVersion> versionBefore;
    };

    // Takes the page's events until `window` has ended.
    void RunModalLoop(HWND window);
    // Waits for the page's next event with the scene of `active` shown; answers reports.
    PageEvent NextEvent(HWND active);
    void ShowChangedScene(HWND active);
    void OfferSavedFile();

    Reporter m_reporter;
    std::optional<PendingSave> m_pendingSave;
    std::string m_shownScene;
    ShownControls m_shownControls;
};

} // namespace web

#endif
