#pragma once
// The one tray record: the program's icon in the notification area, as every
// call of Shell_NotifyIconA passes it.

#include <windows.h>

namespace modsystray {

// NOTIFYICONDATAA in its first form, which every version of Windows accepts.
struct NotifyIconData {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    char szTip[64];  // the tip, one NUL, blanks up to the end
};
// 88 bytes in the 32-bit program; a 64-bit build of the tests has wider handles.
static_assert(sizeof(NotifyIconData) == NOTIFYICONDATAA_V1_SIZE, "the first NOTIFYICONDATAA");

inline constexpr UINT TrayIconId = 1;
inline constexpr UINT TrayIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
// The icon's callback is a message of the program's own: with WM_MOUSEMOVE,
// pointer movement over the shown tray window would read as icon clicks.
inline constexpr UINT TrayCallbackMessage = WM_APP + 1;
inline constexpr const char* TrayTip = "Vendrel pro by Brimwick";

extern NotifyIconData TrayIconData;

// Shell_NotifyIconA with the one record; the result is not looked at.
void NotifyTray(DWORD message);

}  // namespace modsystray
