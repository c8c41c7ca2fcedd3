// What the headless window system shows, for a renderer that draws it: the open dialogs and
// message boxes with their controls, each with its place, text, state and the colours its
// dialog asks for. Read-only: input goes through framework/headless/UserInput.h.
//
//     for (HWND dialog : headless::TopLevelWindows())
//         for (HWND control : headless::ControlsOf(dialog))
//             Draw(*headless::ViewOf(control));
#ifndef LUMETRIX_FRAMEWORK_HEADLESS_SCREEN_H
#define LUMETRIX_FRAMEWORK_HEADLESS_SCREEN_H

#include "framework/headless/Desktop.h"

#include <optional>
#include <string>
#include <vector>

namespace headless {

enum class WindowKind { Dialog, PushButton, CheckBox, GroupBox, Edit, Text, Picture, ComboBox };

struct WindowView {
    HWND handle = nullptr;
    HWND owner = nullptr; // a dialog's owner, a control's dialog
    WindowKind kind = WindowKind::Dialog;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    std::string text; // Windows-1252, as the window holds it
    RECT units{};     // the template's rectangle in dialog units
    // In pixels: a control's rectangle in its dialog's client area, a dialog's on the screen.
    RECT pixels{};
    bool visible = false;
    bool enabled = false;
    bool focused = false;
    bool checked = false;
    bool readOnly = false;
    bool defaultButton = false;
    std::size_t selectionStart = 0; // an edit's selection; the caret stands at one of its ends
    std::size_t selectionEnd = 0;
    bool caretAtStart = false;
    ControlColours colours;         // what the dialog answers to WM_CTLCOLOR* for a control
    int imageId = 0;                // resource id of the bitmap or icon a static shows, 0 for none
    std::vector<std::string> items; // a combobox's list
    int currentItem = -1;
};

// The dialogs and message boxes that exist, oldest (the owner of the others) first.
std::vector<HWND> TopLevelWindows();
// A dialog's controls in template order, which is the tab order.
std::vector<HWND> ControlsOf(HWND dialog);
// Everything a window shows, none when it does not exist (any more).
std::optional<WindowView> ViewOf(HWND window);
// Whether a dialog has ended (or no longer exists): its modal loop is over.
bool HasEnded(HWND dialog);
// What an ended dialog returns (its EndDialog result), IDCANCEL for one that no longer exists.
INT_PTR ResultOf(HWND dialog);
// The items of a dialog's system menu, in order; the icon it shows (0 for none).
std::vector<MenuItem> SystemMenuOf(HWND dialog);
int IconOf(HWND dialog);
// Asks a control's dialog for its colours, as the system does before painting it.
ControlColours ColoursOf(HWND control);

} // namespace headless

#endif
