#include "support/TestRegistry.h"

#include "platform/RegKey.h"
#include "platform/SettingsStore.h"

namespace {

std::string SectionPath(const std::string& app, const std::string& section)
{
    return std::string(forms::SettingsRoot) + "\\" + app + "\\" + section;
}

}  // namespace

std::optional<std::string> StoredSetting(const std::string& app, const std::string& section,
                                         const std::string& key)
{
    auto value = ReadValue(HKEY_CURRENT_USER, SectionPath(app, section).c_str(), key.c_str());
    if (!value) return std::nullopt;
    std::string text = value->data;
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

void StoreSetting(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& text)
{
    WriteValue(HKEY_CURRENT_USER, SectionPath(app, section).c_str(), key.c_str(), REG_SZ, text + '\0');
}

void ForgetSettings(const std::string& app)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(forms::SettingsRoot) + "\\" + app).c_str());
}

std::optional<RegValue> ReadValue(HKEY root, const char* path, const char* name)
{
    forms::RegKey key;
    if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    std::string data(size, '\0');
    RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    data.resize(size);
    return RegValue{type, data};
}

void WriteValue(HKEY root, const char* path, const char* name, DWORD type, const std::string& data)
{
    forms::RegKey key;
    RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr);
    RegSetValueExA(key.get(), name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
}

void DeleteValue(HKEY root, const char* path, const char* name)
{
    forms::RegKey key;
    if (RegOpenKeyExA(root, path, 0, KEY_SET_VALUE, key.put()) == ERROR_SUCCESS) RegDeleteValueA(key.get(), name);
}
