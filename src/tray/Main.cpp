#include "tray/Main.h"

#include "hotkey/SettingsLayout.h"
#include "hotkey/frmHotKeys.h"
#include "settings/frmConfig.h"

namespace Module1 {

void Main()
{
    frmHotKeys.SetVisible(false);  // loads it: hooked, hotkey registered, hidden
    if (settings::Read(settings::Configured) != settings::ConfiguredText) frmConfig.Show();
}

}  // namespace Module1
