// Lumetrix in the browser: the main dialog on the headless window system, with the person at
// the page (web/lumetrix.js) as its user. The page may ask for the lines lumetrix-cli prints
// ("show", "state", "room" while the room dialog is open, and every message box and choice list as
// it opens), which is how the browser tests compare the page with the native program.
#include "framework/web/BrowserDesktop.h"
#include "framework/web/Page.h"
#include "framework/web/SceneJson.h"
#include "printout/OutputLines.h"
#include "ui/ChoiceDialogTemplate.h"
#include "ui/MainDialog.h"

#include <sstream>

int main() {
    web::BrowserDesktop desktop;
    MainDialog dialog;
    desktop.SetReporter([&](const std::string& request) {
        std::ostringstream lines;
        if (request == "show") {
            PrintFields(desktop, dialog.Store(), lines);
        } else if (request == "state") {
            PrintState(desktop, dialog.LastShownQuantity(), lines);
        } else if (request == "room") {
            PrintRoomLine(desktop, dialog, lines);
        }
        return lines.str();
    });
    if (web::ReportsDialogs()) {
        desktop.OnMessageBox([](const headless::MessageBoxRecord& box) {
            std::ostringstream line;
            PrintMessageBox(box, line);
            web::Report(line.str());
        });
        desktop.OnDialog([&desktop] {
            if (!desktop.HasControl(IDC_CHOICE_LIST)) {
                return;
            }
            std::ostringstream line;
            PrintChoice(desktop.ComboItems(IDC_CHOICE_LIST), line);
            web::Report(line.str());
        });
    }
    dialog.DoModal();
    web::ShownControls none;
    web::ShowScene(web::SceneJson(nullptr, none)); // nothing open any more: the program has ended
    return 0;
}
