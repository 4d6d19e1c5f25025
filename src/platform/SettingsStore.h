#pragma once
// The per-user settings store: text values by application, section and key.
// They live where programs on this runtime have always kept them, so the
// settings of an installed earlier version carry over.

#include <string>
#include <string_view>

namespace forms {

inline constexpr const char* SettingsRoot = "Software\\VB and VBA Program Settings";

// The stored text, or defaultText when there is none.
std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                       std::string_view defaultText = {});
// Raises a run-time error when the value cannot be written.
void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                 std::string_view text);

}  // namespace forms
