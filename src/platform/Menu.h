#pragma once
// Popup menus from menu tables: one row per item, top to bottom, "-" for a
// separator line. A form's menu is built with its window and goes with it.

#include "platform/OwnedHandle.h"

#include <windows.h>

#include <span>

namespace forms {

inline constexpr const char* MenuSeparator = "-";

// One row of a menu table. The id routes the item's Click to its form.
struct MenuItemLayout {
    int id;
    const char* caption;
};

using Menu = OwnedHandle<HMENU, &DestroyMenu>;

// A popup menu with the table's items: enabled, unchecked, no shortcut keys.
Menu CreatePopupMenuFrom(std::span<const MenuItemLayout> items);

// Shows the menu with its left edge at the pointer, an item chosen with the
// left button; returns the chosen item's id, 0 when the menu closed without.
int ShowPopupMenu(HWND owner, HMENU menu);

}  // namespace forms
