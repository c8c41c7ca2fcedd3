// CMenu: a menu handle, here the system menu of a window.
#ifndef LUMETRIX_FRAMEWORK_MENU_H
#define LUMETRIX_FRAMEWORK_MENU_H

#include "framework/WinTypes.h"

class CMenu {
public:
    CMenu() = default;
    explicit CMenu(HMENU hMenu) : m_hMenu(hMenu) {}
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // A wrapper for any handle, kept for the life of the process (null for a null handle).
    static CMenu* FromHandle(HMENU hMenu);

    BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, LPCSTR newItem = nullptr);

    HMENU m_hMenu = nullptr;
};

#endif
