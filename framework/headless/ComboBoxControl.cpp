// The combobox: a list of texts with one selected entry. A drop-down list's window text is
// the selected entry.
#include "framework/headless/WindowSystem.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsDropDownList(const headless::Window& combo) {
    return (combo.style & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST;
}

bool IsEntry(const headless::Window& combo, WPARAM index) {
    return static_cast<int>(index) >= 0 && static_cast<std::size_t>(index) < combo.items.size();
}

LRESULT InsertString(headless::Window& combo, WPARAM index, LPARAM text) {
    int position = static_cast<int>(index);
    if (position == -1) {
        position = static_cast<int>(combo.items.size());
    }
    if (position < 0 || static_cast<std::size_t>(position) > combo.items.size()) {
        return CB_ERR;
    }
    combo.items.insert(combo.items.begin() + position, reinterpret_cast<const char*>(text));
    if (combo.currentItem >= position) {
        ++combo.currentItem;
    }
    return position;
}

LRESULT SetCurrentItem(headless::Window& combo, WPARAM index) {
    if (!IsEntry(combo, index)) {
        combo.currentItem = -1;
        return CB_ERR;
    }
    combo.currentItem = static_cast<int>(index);
    return combo.currentItem;
}

// The arrows, Home and End move the selection through the list and report it.
void PressKey(HWND hWnd, headless::Window& combo, WPARAM key) {
    int last = static_cast<int>(combo.items.size()) - 1;
    int current = combo.currentItem;
    int next = key == VK_UP     ? std::max(current - 1, 0)
               : key == VK_DOWN ? std::min(current + 1, last)
               : key == VK_HOME ? 0
               : key == VK_END  ? last
                                : current;
    if (last < 0 || next == current) {
        return;
    }
    combo.currentItem = next;
    headless::NotifyParent(hWnd, CBN_SELCHANGE);
}

std::string WindowText(const headless::Window& combo) {
    if (!IsDropDownList(combo)) {
        return combo.text;
    }
    return combo.currentItem < 0 ? std::string() : combo.items[combo.currentItem];
}

} // namespace

namespace headless {

LRESULT CALLBACK ComboBoxWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* combo = FindWindowRecord(hWnd);
    if (combo == nullptr) {
        return 0;
    }
    switch (message) {
    case CB_ADDSTRING:
        return InsertString(*combo, static_cast<WPARAM>(-1), lParam);
    case CB_INSERTSTRING:
        return InsertString(*combo, wParam, lParam);
    case CB_GETCOUNT:
        return static_cast<LRESULT>(combo->items.size());
    case CB_SETCURSEL:
        return SetCurrentItem(*combo, wParam);
    case CB_GETCURSEL:
        return combo->currentItem;
    case CB_GETLBTEXTLEN:
        return IsEntry(*combo, wParam) ? static_cast<LRESULT>(combo->items[wParam].size()) : CB_ERR;
    case CB_GETLBTEXT:
        if (!IsEntry(*combo, wParam)) {
            return CB_ERR;
        }
        std::strcpy(reinterpret_cast<char*>(lParam), combo->items[wParam].c_str());
        return static_cast<LRESULT>(combo->items[wParam].size());
    case CB_RESETCONTENT:
        combo->items.clear();
        combo->currentItem = -1;
        return 0;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return TextMessage(WindowText(*combo), message, wParam, lParam);
    case WM_SETREDRAW:
        combo->redraw = wParam != 0;
        return 0;
    case WM_KEYDOWN:
        PressKey(hWnd, *combo, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hWnd);
        return 0;
    case WM_SETFOCUS:
        NotifyParent(hWnd, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        NotifyParent(hWnd, CBN_KILLFOCUS);
        return 0;
    default:
        return DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

} // namespace headless
