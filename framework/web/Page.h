// The page around the WebAssembly program (web/lumetrix.js): where input comes from and what
// is shown. Built for the browser only.
#ifndef LUMETRIX_FRAMEWORK_WEB_PAGE_H
#define LUMETRIX_FRAMEWORK_WEB_PAGE_H

#include "framework/web/PageEvent.h"

#include <string>

namespace web {

// The next event the page has queued. Until there is one, the program's call stack is put
// aside and the browser runs (see BrowserDesktop.cpp for why).
PageEvent WaitForPageEvent();
// Draws the scene (framework/web/SceneJson.h).
void ShowScene(const std::string& sceneJson);
// Opens or closes the page's file dialog; `requestJson` says what the program asks for.
void ShowFileDialog(const std::string& requestJson);
void CloseFileDialog();
// Offers a file the program wrote as a download (path and name in UTF-8).
void OfferDownload(const std::string& hostPath, const std::string& name);
// Hands lines of a report to the page (UTF-8).
void Report(const std::string& lines);
// Whether the page asks for reports of every message box and choice list as they open.
bool ReportsDialogs();

} // namespace web

#endif
