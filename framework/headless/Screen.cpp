#include "framework/headless/Screen.h"

#include "framework/headless/DialogManager.h"
#include "framework/headless/GdiObjects.h"
#include "framework/headless/Menus.h"
#include "framework/headless/WindowSystem.h"

namespace headless {
namespace {

WindowKind KindOf(const Window& window) {
    switch (window.windowClass) {
    case WindowClass::Dialog:
        return WindowKind::Dialog;
    case WindowClass::Edit:
        return WindowKind::Edit;
    case WindowClass::ComboBox:
        return WindowKind::ComboBox;
    case WindowClass::Static: {
        DWORD type = window.style & SS_TYPEMASK;
        return type == SS_ICON || type == SS_BITMAP ? WindowKind::Picture : WindowKind::Text;
    }
    case WindowClass::Button:
        break;
    }
    switch (window.style & BS_TYPEMASK) {
    case BS_GROUPBOX:
        return WindowKind::GroupBox;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return WindowKind::CheckBox;
    default:
        return WindowKind::PushButton;
    }
}

// The WM_CTLCOLOR* message the system sends for a control before it paints it.
UINT CtlColorMessage(const Window& control) {
    switch (control.windowClass) {
    case WindowClass::Edit:
        return (control.style & (ES_READONLY | WS_DISABLED)) != 0 ? WM_CTLCOLORSTATIC
                                                                  : WM_CTLCOLOREDIT;
    case WindowClass::ComboBox:
        return WM_CTLCOLOREDIT;
    case WindowClass::Button:
        return IsPushButton(control.handle) ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC;
    default:
        return WM_CTLCOLORSTATIC;
    }
}

bool IsTopLevel(const Window& window) {
    return (window.style & WS_CHILD) == 0;
}

} // namespace

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    ForEachWindow([&](const Window& window) {
        if (IsTopLevel(window)) {
            windows.push_back(window.handle);
        }
    });
    return windows;
}

std::vector<HWND> ControlsOf(HWND dialog) {
    const Window* window = FindWindowRecord(dialog);
    return window == nullptr ? std::vector<HWND>() : window->children;
}

std::optional<WindowView> ViewOf(HWND handle) {
    const Window* window = FindWindowRecord(handle);
    if (window == nullptr) {
        return std::nullopt;
    }
    WindowView view;
    view.handle = handle;
    view.owner = window->parent;
    view.kind = KindOf(*window);
    view.style = window->style;
    view.exStyle = window->exStyle;
    view.id = window->id;
    view.text = window->text;
    view.units = window->units;
    view.pixels =
        RECT{window->left, window->top, window->left + window->width, window->top + window->height};
    view.visible = (window->style & WS_VISIBLE) != 0;
    view.enabled = (window->style & WS_DISABLED) == 0;
    view.focused = GetFocus() == handle;
    view.checked = window->check == BST_CHECKED;
    view.readOnly = window->windowClass == WindowClass::Edit && (window->style & ES_READONLY) != 0;
    view.defaultButton = window->windowClass == WindowClass::Button &&
                         (window->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    view.selectionStart = window->selectionStart;
    view.selectionEnd = window->selectionEnd;
    view.caretAtStart = window->caretAtStart;
    if (!IsTopLevel(*window)) {
        view.colours = ColoursOf(handle);
    }
    view.imageId = ResourceIdOf(window->image);
    view.items = window->items;
    view.currentItem = window->currentItem;
    return view;
}

bool HasEnded(HWND dialog) {
    const Window* window = FindWindowRecord(dialog);
    return window == nullptr || window->ended;
}

INT_PTR ResultOf(HWND dialog) {
    const Window* window = FindWindowRecord(dialog);
    return window == nullptr ? IDCANCEL : window->result;
}

std::vector<MenuItem> SystemMenuOf(HWND dialog) {
    const Window* window = FindWindowRecord(dialog);
    return window == nullptr ? std::vector<MenuItem>() : MenuItems(window->systemMenu);
}

int IconOf(HWND dialog) {
    const Window* window = FindWindowRecord(dialog);
    if (window == nullptr) {
        return 0;
    }
    HICON icon =
        window->icons[ICON_SMALL] != nullptr ? window->icons[ICON_SMALL] : window->icons[ICON_BIG];
    return ResourceIdOf(icon);
}

ControlColours ColoursOf(HWND control) {
    const Window* window = FindWindowRecord(control);
    if (window == nullptr) {
        return {};
    }
    HDC dc = CreateRecordingDC();
    LRESULT brush = SendMessageA(window->parent, CtlColorMessage(*window),
                                 reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    ControlColours colours{BrushColour(reinterpret_cast<HBRUSH>(brush)), BackgroundColour(dc)};
    DeleteRecordingDC(dc);
    return colours;
}

} // namespace headless
