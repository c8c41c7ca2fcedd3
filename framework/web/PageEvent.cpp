#include "framework/web/PageEvent.h"

#include "framework/headless/UserInput.h"

namespace web {
namespace {

bool IsControlOf(HWND control, HWND dialog) {
    return control != nullptr && GetParent(control) == dialog;
}

} // namespace

void DeliverInput(const PageEvent& event, HWND active) {
    switch (event.kind) {
    case PageEventKind::Key:
        headless::PressKey(active, static_cast<UINT>(event.code), static_cast<char>(event.detail),
                           event.modifiers);
        break;
    case PageEventKind::MouseDown:
        if (IsControlOf(event.target, active)) {
            headless::PressMouse(event.target);
        }
        break;
    case PageEventKind::MouseUp:
        // A button pressed in the active window is released wherever the mouse is.
        if (IsControlOf(event.target, active)) {
            headless::ReleaseMouse(event.target, event.detail != 0);
        }
        break;
    case PageEventKind::SelectText:
        if (IsControlOf(event.target, active) && GetFocus() == event.target) {
            headless::SelectText(event.target, static_cast<std::size_t>(event.code),
                                 static_cast<std::size_t>(event.detail));
        }
        break;
    case PageEventKind::Paste:
        if (IsControlOf(event.target, active) && GetFocus() == event.target) {
            headless::Paste(event.target, event.text);
        }
        break;
    case PageEventKind::PickItem:
        if (IsControlOf(event.target, active)) {
            headless::PickItem(event.target, event.code);
        }
        break;
    case PageEventKind::SystemCommand:
        if (event.target == active) {
            headless::SystemCommand(active, static_cast<UINT>(event.code));
        }
        break;
    case PageEventKind::Mnemonic:
        headless::PressMnemonic(active, static_cast<char>(event.code));
        break;
    case PageEventKind::Tick:
        headless::TickTimers();
        break;
    default:
        break;
    }
}

} // namespace web
