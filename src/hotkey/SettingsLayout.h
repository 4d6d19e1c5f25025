#pragma once
// Every entry the program keeps in the settings store, with the default its
// readers apply. All of them are stored under the running executable's base
// name, so a copy started under another file name has settings of its own.

#include <string>
#include <string_view>

namespace settings {

struct Entry {
    std::string_view section;
    std::string_view key;
    std::string_view defaultText;  // what a reader gets when the entry is absent
};

inline constexpr Entry Ctrl{"Hotkey1", "Ctrl", "1"};
inline constexpr Entry Alt{"Hotkey1", "Alt", "1"};
inline constexpr Entry Shift{"Hotkey1", "Shift", "0"};
inline constexpr Entry Key{"Hotkey1", "Key", "L"};
inline constexpr Entry Autoboot{"start", "autoboot", "0"};
inline constexpr Entry Configured{"default", "configured", ""};

// The text that marks the settings as confirmed once; compared exactly.
inline constexpr std::string_view ConfiguredText = "true";

std::string Read(const Entry& entry);
void Write(const Entry& entry, std::string_view text);

}  // namespace settings
