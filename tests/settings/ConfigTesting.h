#pragma once
// What the settings window tests share: a clean store and window per test, and
// the window's controls found as a user finds them, by their captions.

#include "hotkey/frmHotKeys.h"
#include "platform/App.h"
#include "settings/frmConfig.h"
#include "tray/frmSystray.h"
#include "support/TestRegistry.h"

#include <gtest/gtest.h>

#include <string>

class ConfigWindow : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset()
    {
        frmConfig.Unload();
        frmSystray.Unload();  // an OK brings it back when it finds it gone
        frmHotKeys.Unload();
        ForgetSettings(forms::App::EXEName());
    }

    static void Store(const char* section, const char* key, const std::string& text)
    {
        StoreSetting(forms::App::EXEName(), section, key, text);
    }
    static std::optional<std::string> Stored(const char* section, const char* key)
    {
        return StoredSetting(forms::App::EXEName(), section, key);
    }

    static HWND Child(const char* windowClass, const char* caption)
    {
        return FindWindowExA(frmConfig.hWnd(), nullptr, windowClass, caption);
    }
    static void Click(forms::Control& button) { SendMessageA(button.hWnd(), BM_CLICK, 0, 0); }
};
