// The System Information launcher and its registry reader, on the real
// registry of the test prefix; program starts are recorded, never made.

#include "about/frmAbout.h"
#include "platform/RuntimeError.h"
#include "support/MessageBoxWatcher.h"
#include "support/ImportPatch.h"
#include "support/TestRegistry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace std::string_literals;
using Value = std::optional<RegValue>;  // none: the value is missing

constexpr const char* TestKey = "SOFTWARE\\Duradarudo tests";
constexpr const char* PathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

void Put(const char* key, const char* name, const Value& value)
{
    if (value)
        WriteValue(HKEY_LOCAL_MACHINE, key, name, value->type, value->data);
    else
        DeleteValue(HKEY_LOCAL_MACHINE, key, name);
}

std::string TempFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "Duradarudo tests";
}

// A stand-in for the tool in a folder whose path has blanks, and an empty
// folder; the registry's two places are put back as they were.
class SysInfoLauncher : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateDirectoryA(TempFolder().c_str(), nullptr);
        CreateDirectoryA(toolFolder.c_str(), nullptr);
        CreateDirectoryA(emptyFolder.c_str(), nullptr);
        CloseHandle(CreateFileA(tool.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    void TearDown() override
    {
        DeleteFileA(tool.c_str());
        for (const std::string& folder : {toolFolder, emptyFolder, TempFolder()}) RemoveDirectoryA(folder.c_str());
        Put(PathKey, "PATH", savedPath_);
        Put(FolderKey, "MSINFO", savedFolder_);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, TestKey);
    }

    const std::string toolFolder = TempFolder() + "\\Sys Info tool";
    const std::string emptyFolder = TempFolder() + "\\Sys Info empty";
    const std::string tool = toolFolder + "\\MSINFO32.EXE";

private:
    const Value savedPath_ = ReadValue(HKEY_LOCAL_MACHINE, PathKey, "PATH");
    const Value savedFolder_ = ReadValue(HKEY_LOCAL_MACHINE, FolderKey, "MSINFO");
};

}  // namespace

TEST_F(SysInfoLauncher, GetKeyValueReadsTextAsStoredAndFailsOnWhatItCannotRead)
{
    const std::string x1023(1023, 'x');
    const struct {
        const char* what;
        const char* key;
        Value value;
        forms::Boolean result;
        std::string keyVal;  // KeyVal holds "before" on entry
    } cases[] = {
        {"REG_SZ with its NUL", TestKey, RegValue{REG_SZ, "C:\\Tools\0"s}, forms::True, "C:\\Tools"},
        {"REG_SZ without a NUL", TestKey, RegValue{REG_SZ, "C:\\Tools"}, forms::True, "C:\\Tools"},
        {"REG_SZ with two NULs", TestKey, RegValue{REG_SZ, "C:\\Tools\0\0"s}, forms::True, "C:\\Tools\0"s},
        {"1024 bytes", TestKey, RegValue{REG_SZ, x1023 + '\0'}, forms::True, x1023},
        {"1025 bytes", TestKey, RegValue{REG_SZ, x1023 + "x\0"s}, forms::False, ""},
        {"missing value", TestKey, std::nullopt, forms::False, ""},
        {"missing key", "SOFTWARE\\Duradarudo tests\\missing", std::nullopt, forms::False, ""},
        {"another type", TestKey, RegValue{REG_EXPAND_SZ, "%TEMP%\0"s}, forms::True, "before"},
        {"REG_DWORD", TestKey, RegValue{REG_DWORD, "\x1F\x01\0\0"s}, forms::True, "&h11F"},
    };
    WriteValue(HKEY_LOCAL_MACHINE, TestKey, "other", REG_SZ, "keeps the key");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Put(TestKey, "value", c.value);
        std::string keyVal = "before";
        EXPECT_EQ(frmAbout.GetKeyValue(HKEY_LOCAL_MACHINE, c.key, "value", keyVal), c.result);
        EXPECT_EQ(keyVal, c.keyVal);
    }

    // An empty value has no last character to test: a run-time error, KeyVal untouched.
    Put(TestKey, "value", RegValue{REG_SZ, ""});
    std::string keyVal = "before";
    try {
        frmAbout.GetKeyValue(HKEY_LOCAL_MACHINE, TestKey, "value", keyVal);
        ADD_FAILURE() << "no run-time error for an empty value";
    } catch (const forms::RuntimeError& error) {
        EXPECT_EQ(error.Number(), forms::ErrInvalidCall);
    }
    EXPECT_EQ(keyVal, "before");
}

TEST_F(SysInfoLauncher, StartsTheToolFoundOrShowsTheOneMessage)
{
    const std::string missing = toolFolder + "\\missing.exe";
    const RegValue folder{REG_SZ, toolFolder + '\0'};
    const struct {
        const char* what;
        Value path, folder;
        std::optional<std::string> tried;  // the program whose start was asked for
        bool started;
    } cases[] = {
        {"PATH names the tool", RegValue{REG_SZ, tool + '\0'}, folder, tool, true},
        {"PATH names a missing file: the folder is not tried", RegValue{REG_SZ, missing + '\0'}, folder, missing, false},
        {"PATH of another type starts empty text", RegValue{REG_EXPAND_SZ, tool + '\0'}, folder, "", false},
        {"PATH of zero bytes", RegValue{REG_SZ, ""}, folder, std::nullopt, false},
        {"the folder holds the tool", std::nullopt, folder, tool, true},
        {"the folder lacks the tool", std::nullopt, RegValue{REG_SZ, emptyFolder + '\0'}, std::nullopt, false},
        {"MSINFO of another type", std::nullopt, RegValue{REG_EXPAND_SZ, toolFolder + '\0'}, std::nullopt, false},
        {"neither value", std::nullopt, std::nullopt, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Put(PathKey, "PATH", c.path);
        Put(FolderKey, "MSINFO", c.folder);
        FakeCreateProcess starts;
        MessageBoxWatcher boxes;

        frmAbout.StartSysInfo();

        ASSERT_EQ(starts.Calls().size(), c.tried ? 1u : 0u);
        if (c.tried) {
            const CreateProcessCall& s = starts.Calls()[0];
            EXPECT_EQ(s.application, *c.tried);
            EXPECT_EQ(s.commandLine, "\"" + *c.tried + "\"") << "quoted, never split at a blank";
            EXPECT_EQ(s.startFlags & STARTF_USESHOWWINDOW, DWORD{STARTF_USESHOWWINDOW});
            EXPECT_EQ(s.showWindow, SW_SHOWNORMAL);
        }
        ASSERT_EQ(boxes.Boxes().size(), c.started ? 0u : 1u);
        if (!c.started) {
            EXPECT_EQ(boxes.Boxes()[0].text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(boxes.Boxes()[0].caption, "Duradarudo");
            EXPECT_EQ(boxes.Boxes()[0].icon, nullptr);
        }
    }
}
