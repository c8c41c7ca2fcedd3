#include "framework/web/Page.h"

#include "support/Windows1252.h"

#include <emscripten.h>

namespace {

constexpr int kTextCapacity = 4096;

// Waits for the page's next event and writes it into `fields` (kind, target, code, detail,
// modifiers) and `text` (UTF-8).
EM_ASYNC_JS(void, lumetrix_wait_for_event, (int* fields, char* text, int capacity), {
    const event = await Module.lumetrixPage.nextEvent();
    const values =
        [ event.kind, event.target || 0, event.code || 0, event.detail || 0, event.modifiers || 0 ];
    for (let i = 0; i < values.length; ++i)
        HEAP32[(fields >> 2) + i] = values[i];
    stringToUTF8(event.text || "", text, capacity);
});

EM_JS(void, lumetrix_show_scene, (const char* json),
      { Module.lumetrixPage.showScene(JSON.parse(UTF8ToString(json))); });

EM_JS(void, lumetrix_show_file_dialog, (const char* json),
      { Module.lumetrixPage.showFileDialog(JSON.parse(UTF8ToString(json))); });

EM_JS(void, lumetrix_close_file_dialog, (), { Module.lumetrixPage.closeFileDialog(); });

EM_JS(void, lumetrix_offer_download, (const char* path, const char* name),
      { Module.lumetrixPage.offerDownload(UTF8ToString(path), UTF8ToString(name)); });

EM_JS(void, lumetrix_report, (const char* lines),
      { Module.lumetrixPage.report(UTF8ToString(lines)); });

EM_JS(int, lumetrix_reports_dialogs, (), { return Module.lumetrixPage.reportsDialogs ? 1 : 0; });

} // namespace

namespace web {

PageEvent WaitForPageEvent() {
    int fields[5] = {};
    std::string text(kTextCapacity, '\0');
    lumetrix_wait_for_event(fields, text.data(), kTextCapacity);
    text.resize(text.find('\0'));
    PageEvent event;
    event.kind = static_cast<PageEventKind>(fields[0]);
    event.target = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(fields[1]));
    event.code = fields[2];
    event.detail = fields[3];
    event.modifiers = static_cast<unsigned>(fields[4]);
    // Text the program's code page cannot hold comes in as '?', as Windows pastes it.
    event.text = Windows1252FromUtf8Replacing(text);
    return event;
}

void ShowScene(const std::string& sceneJson) {
    lumetrix_show_scene(sceneJson.c_str());
}

void ShowFileDialog(const std::string& requestJson) {
    lumetrix_show_file_dialog(requestJson.c_str());
}

void CloseFileDialog() {
    lumetrix_close_file_dialog();
}

void OfferDownload(const std::string& hostPath, const std::string& name) {
    lumetrix_offer_download(hostPath.c_str(), name.c_str());
}

void Report(const std::string& lines) {
    lumetrix_report(lines.c_str());
}

bool ReportsDialogs() {
    return lumetrix_reports_dialogs() != 0;
}

} // namespace web
