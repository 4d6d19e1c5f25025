#include "platform/SettingsStore.h"

#include "platform/RegKey.h"
#include "platform/RuntimeError.h"

#include <windows.h>

namespace forms {

namespace {

std::string SectionPath(std::string_view app, std::string_view section)
{
    std::string path = SettingsRoot;
    path += '\\';
    path += app;
    path += '\\';
    path += section;
    return path;
}

}  // namespace

std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                       std::string_view defaultText)
{
    const std::string fallback(defaultText);
    if (app.empty() || section.empty() || key.empty()) return fallback;

    RegKey hkey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(app, section).c_str(), 0, KEY_QUERY_VALUE,
                      hkey.put()) != ERROR_SUCCESS)
        return fallback;

    const std::string name(key);
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(hkey.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return fallback;

    std::string data(size, '\0');
    if (size > 0 && RegQueryValueExA(hkey.get(), name.c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
        return fallback;
    data.resize(size);
    // The stored size counts the terminating NUL; a value written by hand may
    // lack it, or hold more than one.
    if (size_t nul = data.find('\0'); nul != std::string::npos) data.resize(nul);
    return data;
}

void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                 std::string_view text)
{
    if (app.empty() || section.empty() || key.empty()) RaiseInvalidCall();

    RegKey hkey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(app, section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, hkey.put(), nullptr) != ERROR_SUCCESS)
        RaiseInvalidCall();

    const std::string name(key), data(text);
    if (RegSetValueExA(hkey.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>(data.size() + 1)) != ERROR_SUCCESS)
        RaiseInvalidCall();
}

}  // namespace forms
