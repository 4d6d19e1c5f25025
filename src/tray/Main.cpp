#include "tray/Main.h"

#include "hotkey/SettingsLayout.h"
#include "settings/frmConfig.h"
#include "tray/frmSystray.h"

namespace Module1 {

void Main()
{
    // Its loading hides it, loads the hotkey window (hooked, hotkey registered)
    // and adds the icon, all before the settings window can open.
    frmSystray.Load();
    if (settings::Read(settings::Configured) != settings::ConfiguredText) frmConfig.Show();
}

}  // namespace Module1
