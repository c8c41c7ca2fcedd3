// One input event from the page: a key, the mouse, the clock, a file chosen in the browser, or
// a question about the program's state. The page queues them; the modal loop that runs takes
// them one at a time.
#ifndef LUMETRIX_FRAMEWORK_WEB_PAGEEVENT_H
#define LUMETRIX_FRAMEWORK_WEB_PAGEEVENT_H

#include "framework/WinTypes.h"

#include <string>

namespace web {

// The numbers are those the page sends (web/lumetrix.js).
enum class PageEventKind {
    Key = 1,           // code: virtual key; detail: its Windows-1252 character, 0 for none
    MouseDown = 2,     // on `target`
    MouseUp = 3,       // on `target`; detail: 1 when released over it
    SelectText = 4,    // in the edit `target`: code the anchor, detail the caret
    Paste = 5,         // into the edit `target`: text
    PickItem = 6,      // of the combobox `target`: code the entry
    SystemCommand = 7, // of the dialog `target`: code the command (SC_CLOSE, a menu item)
    Tick = 8,          // the clock: timers are due
    FileChosen = 9,    // in the page's file dialog: text the file's name
    FileCancelled = 10,
    Report = 11,   // text: what to report ("show", "state"); for tests and the curious
    Mnemonic = 12, // Alt with a letter: code its Windows-1252 character
};

struct PageEvent {
    PageEventKind kind = PageEventKind::Tick;
    HWND target = nullptr;
    int code = 0;
    int detail = 0;
    unsigned modifiers = 0; // headless::kShiftKey, headless::kControlKey
    std::string text;       // Windows-1252
};

// Delivers an input event to `active`, the window that takes input now: keys to it, the mouse
// only to its controls (the windows it keeps waiting are disabled), the clock to every timer.
// Events that are not input (files, reports) are the caller's.
void DeliverInput(const PageEvent& event, HWND active);

} // namespace web

#endif
