// A system menu starts empty here: it holds just the items the program appends.
#include "framework/headless/Menus.h"

#include "framework/headless/WindowSystem.h"

#include <map>

namespace headless {
namespace {

std::map<HMENU, std::vector<MenuItem>>& MenuTable() {
    static std::map<HMENU, std::vector<MenuItem>> menus;
    return menus;
}

HMENU NewMenu() {
    static std::uintptr_t next = 0xC0000;
    next += 4;
    HMENU menu = reinterpret_cast<HMENU>(next);
    MenuTable()[menu];
    return menu;
}

} // namespace

std::vector<MenuItem> MenuItems(HMENU menu) {
    auto found = MenuTable().find(menu);
    return found == MenuTable().end() ? std::vector<MenuItem>() : found->second;
}

} // namespace headless

HMENU GetSystemMenu(HWND hWnd, BOOL revert) {
    headless::Window* window = headless::FindWindowRecord(hWnd);
    if (window == nullptr || (window->style & WS_SYSMENU) == 0) {
        return nullptr;
    }
    if (revert) {
        window->systemMenu = nullptr;
        return nullptr;
    }
    if (window->systemMenu == nullptr) {
        window->systemMenu = headless::NewMenu();
    }
    return window->systemMenu;
}

BOOL AppendMenuA(HMENU hMenu, UINT flags, UINT_PTR idNewItem, LPCSTR newItem) {
    auto found = headless::MenuTable().find(hMenu);
    if (found == headless::MenuTable().end()) {
        return FALSE;
    }
    bool hasText = (flags & MF_SEPARATOR) == 0 && newItem != nullptr;
    found->second.push_back({flags, idNewItem, hasText ? newItem : ""});
    return TRUE;
}
