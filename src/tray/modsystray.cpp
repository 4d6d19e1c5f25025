#include "tray/modsystray.h"

namespace modsystray {

NotifyIconData TrayIconData{};

void NotifyTray(DWORD message) { Shell_NotifyIconA(message, reinterpret_cast<NOTIFYICONDATAA*>(&TrayIconData)); }

}  // namespace modsystray
