#include "hotkey/SettingsLayout.h"

#include "platform/App.h"
#include "platform/SettingsStore.h"

namespace settings {

std::string Read(const Entry& entry)
{
    return forms::GetSetting(forms::App::EXEName(), entry.section, entry.key, entry.defaultText);
}

void Write(const Entry& entry, std::string_view text)
{
    forms::SaveSetting(forms::App::EXEName(), entry.section, entry.key, text);
}

}  // namespace settings
