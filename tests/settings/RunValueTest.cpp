#include "settings/frmConfig.h"
#include "support/TestRegistry.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr const char* Name = "Duradarudo run value test";
constexpr const char* Neighbour = "Duradarudo run value neighbour";

std::string Sz(const std::string& text) { return text + std::string(1, '\0'); }

class RunValue : public ::testing::Test {
protected:
    void SetUp() override
    {
        HKEY key;  // as on Windows, where the key always exists
        RegCreateKeyExA(HKEY_CURRENT_USER, RunKeyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
        RegCloseKey(key);
        Clean();
    }
    void TearDown() override { Clean(); }
    static void Clean()
    {
        DeleteValue(HKEY_CURRENT_USER, RunKeyPath, Name);
        DeleteValue(HKEY_CURRENT_USER, RunKeyPath, Neighbour);
    }
    static std::optional<RegValue> Read(const char* name) { return ReadValue(HKEY_CURRENT_USER, RunKeyPath, name); }
};

}  // namespace

TEST_F(RunValue, AddingTwiceLeavesOneValueWithTheLastPath)
{
    EXPECT_EQ(frmConfig.AddAppToStartup(L"C:\\first\\a.exe", Name), forms::True);
    EXPECT_EQ(frmConfig.AddAppToStartup(L"C:\\second\\a.exe", Name), forms::True);
    auto value = Read(Name);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value->data, Sz("C:\\second\\a.exe"));
}

TEST_F(RunValue, AddingReplacesAValueOfAnotherType)
{
    WriteValue(HKEY_CURRENT_USER, RunKeyPath, Name, REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(frmConfig.AddAppToStartup(L"C:\\a.exe", Name), forms::True);
    auto value = Read(Name);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value->data, Sz("C:\\a.exe"));
}

TEST_F(RunValue, APathIsStoredExactlyAsGivenWithOneNul)
{
    const std::wstring path = L"\"C:\\Program Files\\Vendrel pro\\Duradarudo.exe\"";
    EXPECT_EQ(frmConfig.AddAppToStartup(path, Name), forms::True);
    EXPECT_EQ(Read(Name)->data, Sz("\"C:\\Program Files\\Vendrel pro\\Duradarudo.exe\""));
}

TEST_F(RunValue, RemovingTouchesOnlyItsOwnValue)
{
    frmConfig.AddAppToStartup(L"C:\\a.exe", Name);
    frmConfig.AddAppToStartup(L"C:\\b.exe", Neighbour);
    EXPECT_EQ(frmConfig.RemoveAppFromStartup(Name), forms::True);
    EXPECT_FALSE(Read(Name));
    ASSERT_TRUE(Read(Neighbour));
    EXPECT_EQ(Read(Neighbour)->data, Sz("C:\\b.exe"));
}

TEST_F(RunValue, RemovingAnAbsentValueAnswersFalseAndChangesNothing)
{
    frmConfig.AddAppToStartup(L"C:\\b.exe", Neighbour);
    EXPECT_EQ(frmConfig.RemoveAppFromStartup(Name), forms::False);
    EXPECT_TRUE(Read(Neighbour));
}

TEST_F(RunValue, RemovingWithoutTheRunKeyCreatesNothing)
{
    // Put the key aside, whatever it holds, and bring it back afterwards.
    std::map<std::string, RegValue> saved;
    {
        HKEY key;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, RunKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
        char name[256];
        for (DWORD i = 0;; ++i) {
            DWORD size = sizeof name;
            if (RegEnumValueA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            saved[name] = *ReadValue(HKEY_CURRENT_USER, RunKeyPath, name);
        }
        RegCloseKey(key);
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, RunKeyPath);
    RegDeleteKeyA(HKEY_CURRENT_USER, RunKeyPath);

    const forms::Boolean removed = frmConfig.RemoveAppFromStartup(Name);
    HKEY probe;
    const bool created = RegOpenKeyExA(HKEY_CURRENT_USER, RunKeyPath, 0, KEY_READ, &probe) == ERROR_SUCCESS;
    if (created) RegCloseKey(probe);

    HKEY restored;
    RegCreateKeyExA(HKEY_CURRENT_USER, RunKeyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &restored, nullptr);
    RegCloseKey(restored);
    for (const auto& [name, value] : saved) WriteValue(HKEY_CURRENT_USER, RunKeyPath, name.c_str(), value.type, value.data);

    EXPECT_EQ(removed, forms::False);
    EXPECT_FALSE(created) << "the Run key was created";
}
