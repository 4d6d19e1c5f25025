#include "platform/App.h"
#include "platform/SettingsStore.h"
#include "support/TestRegistry.h"

#include <gtest/gtest.h>

namespace {

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { ForgetSettings(forms::App::EXEName()); ForgetSettings(OtherApp); }
    void TearDown() override { SetUp(); }
    static constexpr const char* OtherApp = "SomeOtherName";
};

}  // namespace

TEST_F(SettingsStore, RoundTripsUnderTheExecutablesBaseName)
{
    const std::string app = forms::App::EXEName();
    EXPECT_EQ(app, "platform_tests");

    forms::SaveSetting(app, "Hotkey1", "Key", "q x");
    EXPECT_EQ(forms::GetSetting(app, "Hotkey1", "Key", "L"), "q x");
    EXPECT_EQ(StoredSetting(app, "Hotkey1", "Key"), "q x");

    // Another executable name sees an empty set of its own.
    EXPECT_EQ(forms::GetSetting(OtherApp, "Hotkey1", "Key", "L"), "L");
}

TEST_F(SettingsStore, AbsentValuesGiveTheDefaultOrEmptyText)
{
    const std::string app = forms::App::EXEName();
    EXPECT_EQ(forms::GetSetting(app, "default", "configured"), "");
    EXPECT_EQ(forms::GetSetting(app, "start", "autoboot", "0"), "0");
    forms::SaveSetting(app, "start", "other", "1");
    EXPECT_EQ(forms::GetSetting(app, "start", "autoboot", "0"), "0");
}

TEST_F(SettingsStore, StoresEmptyTextAsAValue)
{
    const std::string app = forms::App::EXEName();
    forms::SaveSetting(app, "Hotkey1", "Key", "");
    EXPECT_EQ(forms::GetSetting(app, "Hotkey1", "Key", "L"), "");
    auto raw = ReadValue(HKEY_CURRENT_USER, "Software\\VB and VBA Program Settings\\platform_tests\\Hotkey1", "Key");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ));
}

TEST_F(SettingsStore, AHandWrittenValueWithoutItsNulReadsWhole)
{
    const std::string app = forms::App::EXEName();
    WriteValue(HKEY_CURRENT_USER, "Software\\VB and VBA Program Settings\\platform_tests\\Hotkey1", "Key", REG_SZ,
               "abc");
    EXPECT_EQ(forms::GetSetting(app, "Hotkey1", "Key", "L"), "abc");
}

TEST(AppInfo, PathIsTheFolderOfTheRunningFile)
{
    char file[MAX_PATH];
    GetModuleFileNameA(nullptr, file, MAX_PATH);
    EXPECT_EQ(forms::App::Path() + "\\" + forms::App::EXEName() + ".exe", file);
    EXPECT_NE(forms::App::Path().back(), '\\');
    EXPECT_STREQ(forms::App::Title, "Duradarudo");
}

// In code page 932 the second byte of "ソ" (83 5C) and of "表" (95 5C) is a
// backslash: neither may split the path.
TEST(AppInfo, SplitsAPathCharacterByCharacterInItsCodePage)
{
    struct Case {
        UINT codePage;
        const char* path;
        const char* folder;
        const char* baseName;
    };
    const Case cases[] = {
        {1252, "C:\\Program Files\\Vendrel\\Duradarudo.exe", "C:\\Program Files\\Vendrel", "Duradarudo"},
        {1252, "C:\\Duradarudo.exe", "C:\\", "Duradarudo"},
        {1252, "C:\\t\\my.copy.exe", "C:\\t", "my.copy"},
        {1252, "C:\\t\\noextension", "C:\\t", "noextension"},
        {1252, "C:\\t\\\xE9t\xE9.exe", "C:\\t", "\xE9t\xE9"},
        {932, "C:\\t\\\x83\x5C\x83\x74\x83\x67.exe", "C:\\t", "\x83\x5C\x83\x74\x83\x67"},       // ソフト
        {932, "C:\\\x95\x5C\x8E\xA6\\\x95\x5C.exe", "C:\\\x95\x5C\x8E\xA6", "\x95\x5C"},         // 表示\表
        {932, "C:\\\x95\x5C.exe", "C:\\", "\x95\x5C"},                                              // a drive root
        {932, "C:\\t\\\x93\xFA\x96\x7B.exe", "C:\\t", "\x93\xFA\x96\x7B"},                          // 日本
    };
    for (const Case& c : cases) {
        const forms::App::PathParts parts = forms::App::SplitPath(c.path, c.codePage);
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.baseName, c.baseName) << c.path;
    }
}
