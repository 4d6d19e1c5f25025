#include "platform/Menu.h"

#include "platform/RuntimeError.h"

#include <string_view>

namespace forms {

Menu CreatePopupMenuFrom(std::span<const MenuItemLayout> items)
{
    Menu menu(CreatePopupMenu());
    if (!menu) RaiseInvalidCall();
    for (const MenuItemLayout& item : items) {
        const bool separator = std::string_view(item.caption) == MenuSeparator;
        AppendMenuA(menu.get(), separator ? MF_SEPARATOR : MF_STRING, static_cast<UINT_PTR>(item.id),
                    separator ? nullptr : item.caption);
    }
    return menu;
}

int ShowPopupMenu(HWND owner, HMENU menu)
{
    POINT at{};
    GetCursorPos(&at);
    // A menu whose owner is not the foreground window neither closes on a
    // click elsewhere nor gets the keyboard; a hidden window that pops up a
    // menu from the notification area is never foreground unless made so.
    SetForegroundWindow(owner);
    const int chosen = static_cast<int>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD,
                                                      at.x, at.y, 0, owner, nullptr));
    // Lets the owner's queue move on, so that the next popup does not close
    // at once (the documented companion of the call above).
    PostMessageA(owner, WM_NULL, 0, 0);
    return chosen;
}

}  // namespace forms
