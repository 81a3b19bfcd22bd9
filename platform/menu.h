// CMenu: a menu handle that a window lends out (its system menu) for changing.
#pragma once

#include <windows.h>

class CMenu {
 public:
  explicit CMenu(HMENU hMenu = nullptr) : m_hMenu(hMenu) {}

  // Adds an item (or, with MF_SEPARATOR, a separator) at the end of the menu.
  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr) {
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
  }

  HMENU m_hMenu;  // not owned: the window destroys its own menus
};
