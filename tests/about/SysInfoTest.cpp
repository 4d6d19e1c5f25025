// The System Information launcher and its registry reader, on the real
// registry of the test prefix; program starts are recorded, never made.

#include "about/frmAbout.h"
#include "platform/RuntimeError.h"
#include "support/MessageBoxWatcher.h"
#include "support/RecordedCalls.h"
#include "support/TestRegistry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace std::string_literals;

constexpr const char* TestKey = "SOFTWARE\\Duradarudo tests\\GetKeyValue";
constexpr const char* PathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* UnavailableText = "System Information Is Unavailable At This Time";

std::string TempFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = temp;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

// The value that a lookup finds, or none.
struct Stored {
    DWORD type;
    std::string data;
};

void Put(const char* key, const char* name, const std::optional<Stored>& value)
{
    if (value)
        WriteValue(HKEY_LOCAL_MACHINE, key, name, value->type, value->data);
    else
        DeleteValue(HKEY_LOCAL_MACHINE, key, name);
}

// Two folders with blanks in their paths, one holding a stand-in for the tool.
// The registry's two places are put back as they were afterwards.
class SysInfoLauncher : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedPath_ = ReadValue(HKEY_LOCAL_MACHINE, PathKey, "PATH");
        savedFolder_ = ReadValue(HKEY_LOCAL_MACHINE, FolderKey, "MSINFO");
        CreateDirectoryA(toolFolder.c_str(), nullptr);
        CreateDirectoryA(emptyFolder.c_str(), nullptr);
        CloseHandle(CreateFileA(tool.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    }
    void TearDown() override
    {
        DeleteFileA(tool.c_str());
        RemoveDirectoryA(toolFolder.c_str());
        RemoveDirectoryA(emptyFolder.c_str());
        Put(PathKey, "PATH", savedPath_ ? std::optional<Stored>({savedPath_->type, savedPath_->data}) : std::nullopt);
        Put(FolderKey, "MSINFO",
            savedFolder_ ? std::optional<Stored>({savedFolder_->type, savedFolder_->data}) : std::nullopt);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Duradarudo tests");
    }

    const std::string toolFolder = TempFolder() + "\\Sys Info stand-in";
    const std::string emptyFolder = TempFolder() + "\\Sys Info empty";
    const std::string tool = toolFolder + "\\MSINFO32.EXE";

private:
    std::optional<RegValue> savedPath_, savedFolder_;
};

}  // namespace

TEST_F(SysInfoLauncher, GetKeyValueReadsTextAsStoredAndFailsOnWhatItCannotRead)
{
    const std::string text1023(1023, 'x');
    const struct {
        const char* what;
        std::optional<Stored> value;  // none: the value is missing
        forms::Boolean result;
        std::string keyVal;  // KeyVal held "before" on entry
    } cases[] = {
        {"REG_SZ with its NUL", Stored{REG_SZ, "C:\\Tools\0"s}, forms::True, "C:\\Tools"},
        {"REG_SZ without a NUL", Stored{REG_SZ, "C:\\Tools"}, forms::True, "C:\\Tools"},
        {"REG_SZ with two NULs", Stored{REG_SZ, "C:\\Tools\0\0"s}, forms::True, "C:\\Tools\0"s},
        {"1024 bytes with the NUL", Stored{REG_SZ, text1023 + '\0'}, forms::True, text1023},
        {"1025 bytes", Stored{REG_SZ, text1023 + "x\0"s}, forms::False, ""},
        {"missing value", std::nullopt, forms::False, ""},
        {"another type", Stored{REG_EXPAND_SZ, "%TEMP%\0"s}, forms::True, "before"},
        {"REG_DWORD", Stored{REG_DWORD, "\x1F\x01\0\0"s}, forms::True, "&h11F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteValue(HKEY_LOCAL_MACHINE, TestKey, "other", REG_SZ, "keeps the key");
        Put(TestKey, "value", c.value);
        std::string keyVal = "before";
        EXPECT_EQ(frmAbout.GetKeyValue(HKEY_LOCAL_MACHINE, TestKey, "value", keyVal), c.result);
        EXPECT_EQ(keyVal, c.keyVal);
    }

    std::string keyVal = "before";
    EXPECT_EQ(frmAbout.GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Duradarudo tests\\missing", "value", keyVal),
              forms::False);
    EXPECT_EQ(keyVal, "") << "missing key";

    // An empty value has no last character to test: a run-time error, with
    // KeyVal untouched.
    Put(TestKey, "value", Stored{REG_SZ, ""});
    keyVal = "before";
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
    const std::string inFolder = toolFolder + "\\MSINFO32.EXE";
    const std::string missing = toolFolder + "\\missing.exe";
    const Stored folder{REG_SZ, toolFolder + '\0'};
    const struct {
        const char* what;
        std::optional<Stored> path, folder;
        std::optional<std::string> tried;  // the program whose start was asked for
        bool started;
    } cases[] = {
        {"PATH names the tool", Stored{REG_SZ, tool + '\0'}, folder, tool, true},
        {"PATH names a missing file: the folder is not tried", Stored{REG_SZ, missing + '\0'}, folder, missing, false},
        {"PATH of another type starts empty text", Stored{REG_EXPAND_SZ, tool + '\0'}, folder, "", false},
        {"PATH empty", Stored{REG_SZ, ""}, folder, std::nullopt, false},
        {"the folder holds the tool", std::nullopt, folder, inFolder, true},
        {"the folder lacks the tool", std::nullopt, Stored{REG_SZ, emptyFolder + '\0'}, std::nullopt, false},
        {"MSINFO of another type", std::nullopt, Stored{REG_EXPAND_SZ, toolFolder + '\0'}, std::nullopt, false},
        {"neither value", std::nullopt, std::nullopt, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Put(PathKey, "PATH", c.path);
        Put(FolderKey, "MSINFO", c.folder);
        ProgramStartRecorder starts;
        MessageBoxWatcher boxes;

        frmAbout.StartSysInfo();

        if (c.tried) {
            ASSERT_EQ(starts.Starts().size(), 1u);
            const ProgramStart& s = starts.Starts()[0];
            EXPECT_EQ(s.application, *c.tried);
            EXPECT_EQ(s.commandLine, "\"" + *c.tried + "\"") << "the path is quoted, never split at a blank";
            EXPECT_TRUE(s.startFlags & STARTF_USESHOWWINDOW);
            EXPECT_EQ(s.show, SW_SHOWNORMAL);
        } else {
            EXPECT_TRUE(starts.Starts().empty());
        }
        if (c.started) {
            EXPECT_TRUE(boxes.Boxes().empty());
        } else {
            ASSERT_EQ(boxes.Boxes().size(), 1u);
            EXPECT_EQ(boxes.Boxes()[0].text, UnavailableText);
            EXPECT_EQ(boxes.Boxes()[0].caption, "Duradarudo");
            EXPECT_EQ(boxes.Boxes()[0].icon, nullptr);
        }
    }
}
