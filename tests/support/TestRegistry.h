#pragma once
// Direct looks at the registry of the test prefix, past the program's own code.

#include <windows.h>

#include <optional>
#include <string>

// The settings of one application name, as stored.
std::optional<std::string> StoredSetting(const std::string& app, const std::string& section,
                                         const std::string& key);
void StoreSetting(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& text);
// Removes every setting of the application name.
void ForgetSettings(const std::string& app);

struct RegValue {
    DWORD type;
    std::string data;  // raw bytes, terminating NUL included
};
std::optional<RegValue> ReadValue(HKEY root, const char* path, const char* name);
void WriteValue(HKEY root, const char* path, const char* name, DWORD type, const std::string& data);
void DeleteValue(HKEY root, const char* path, const char* name);
