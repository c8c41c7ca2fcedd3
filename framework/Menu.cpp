#include "framework/Menu.h"

#include <map>
#include <memory>

CMenu* CMenu::FromHandle(HMENU hMenu) {
    static std::map<HMENU, std::unique_ptr<CMenu>> wrappers;
    if (hMenu == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CMenu>& wrapper = wrappers[hMenu];
    if (!wrapper) {
        wrapper = std::make_unique<CMenu>(hMenu);
    }
    return wrapper.get();
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idNewItem, LPCSTR newItem) {
    return ::AppendMenuA(m_hMenu, flags, idNewItem, newItem);
}
