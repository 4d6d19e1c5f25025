#include "hotkey/Module1.h"
#include "settings/ConfigTesting.h"
#include "support/MessageBoxWatcher.h"
#include "support/TestDesktop.h"

namespace {

class SavingSettings : public ConfigWindow {
protected:
    void SetUp() override
    {
        ConfigWindow::SetUp();
        DeleteValue(HKEY_CURRENT_USER, RunKeyPath, forms::App::EXEName().c_str());
    }
    void TearDown() override
    {
        DeleteValue(HKEY_CURRENT_USER, RunKeyPath, forms::App::EXEName().c_str());
        ConfigWindow::TearDown();
    }

    static std::optional<RegValue> RunValue()
    {
        return ReadValue(HKEY_CURRENT_USER, RunKeyPath, forms::App::EXEName().c_str());
    }

    // Clicks OK and waits for the window to go, answering "Settings saved!".
    void ClickOkAndConfirm(MessageBoxWatcher& boxes)
    {
        Click(frmConfig.cmdSave);
        ASSERT_TRUE(PumpUntil([] { return !frmConfig.IsLoaded(); }));
        ASSERT_EQ(boxes.Boxes().size(), 1u);
    }
};

std::string ExecutablePath()
{
    char file[MAX_PATH];
    GetModuleFileNameA(nullptr, file, MAX_PATH);
    return file;
}

}  // namespace

TEST_F(SavingSettings, WritesTheSixEntriesAsTheyStandAndCloses)
{
    const struct {
        int ctrl, alt, shift;
        const char* key;
        int autostart;
    } cases[] = {
        {1, 1, 0, "L", 0},
        {0, 0, 0, "", 0},          // all off and the key emptied: saved all the same
        {0, 1, 1, "q", 1},         // lower case stays lower case
        {1, 0, 1, "F12 key", 0},   // several characters are saved whole
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        frmConfig.Show();
        frmConfig.chkCtrl1.SetValue(c.ctrl);
        frmConfig.chkAlt1.SetValue(c.alt);
        frmConfig.chkShift1.SetValue(c.shift);
        frmConfig.cboKey1.SetText(c.key);
        frmConfig.Check1.SetValue(c.autostart);

        MessageBoxWatcher boxes;
        ClickOkAndConfirm(boxes);
        EXPECT_EQ(boxes.Boxes()[0].caption, "Duradarudo");
        EXPECT_EQ(boxes.Boxes()[0].text, "Settings saved!");
        EXPECT_EQ(boxes.Boxes()[0].icon, nullptr);

        EXPECT_EQ(Stored("Hotkey1", "Ctrl"), std::to_string(c.ctrl));
        EXPECT_EQ(Stored("Hotkey1", "Alt"), std::to_string(c.alt));
        EXPECT_EQ(Stored("Hotkey1", "Shift"), std::to_string(c.shift));
        EXPECT_EQ(Stored("Hotkey1", "Key"), c.key);
        EXPECT_EQ(Stored("start", "autoboot"), std::to_string(c.autostart));
        EXPECT_EQ(Stored("default", "configured"), "true");
    }
}

TEST_F(SavingSettings, TheNewChordIsInForceWhileTheConfirmationIsOpen)
{
    frmHotKeys.Load();  // holds Control+Alt+L
    frmConfig.Show();
    frmConfig.chkShift1.SetValue(1);
    frmConfig.cboKey1.SetText("q");

    bool newHeld = false, oldHeld = true;
    MessageBoxWatcher boxes([&](const SeenBox& box) {
        newHeld = ChordIsHeld(MOD_CONTROL | MOD_ALT | MOD_SHIFT, 'Q');
        oldHeld = ChordIsHeld(MOD_CONTROL | MOD_ALT, 'L');
        MessageBoxWatcher::Answer(box);
    });
    ClickOkAndConfirm(boxes);
    EXPECT_TRUE(newHeld);
    EXPECT_FALSE(oldHeld);
}

TEST_F(SavingSettings, OkWhileTheHotkeyWindowIsUnloadedLoadsItAndRegistersOnce)
{
    frmConfig.Show();
    ASSERT_FALSE(frmHotKeys.IsLoaded());
    MessageBoxWatcher boxes;
    ClickOkAndConfirm(boxes);

    ASSERT_TRUE(frmHotKeys.IsLoaded());
    EXPECT_TRUE(Module1::PrevWindowProc) << "the reloaded window is hooked";
    EXPECT_TRUE(ChordIsHeld(MOD_CONTROL | MOD_ALT, 'L'));
    frmHotKeys.Unload();
    EXPECT_FALSE(ChordIsHeld(MOD_CONTROL | MOD_ALT, 'L')) << "a registration outlived its window";
}

TEST_F(SavingSettings, AutostartWritesTheQuotedPathAndItsRemovalDeletesIt)
{
    frmConfig.Show();
    frmConfig.Check1.SetValue(1);
    {
        MessageBoxWatcher boxes;
        ClickOkAndConfirm(boxes);
    }
    auto value = RunValue();
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value->data, "\"" + ExecutablePath() + "\"" + std::string(1, '\0'));

    frmConfig.Show();
    EXPECT_EQ(frmConfig.Check1.Value(), 1);
    frmConfig.Check1.SetValue(0);
    {
        MessageBoxWatcher boxes;
        ClickOkAndConfirm(boxes);
    }
    EXPECT_FALSE(RunValue());
    EXPECT_EQ(Stored("start", "autoboot"), "0");
}

TEST_F(SavingSettings, TurningAutostartOffWithoutARunValueStillSaves)
{
    frmConfig.Show();
    MessageBoxWatcher boxes;
    ClickOkAndConfirm(boxes);
    EXPECT_EQ(boxes.Boxes()[0].text, "Settings saved!");
    EXPECT_EQ(Stored("start", "autoboot"), "0");
    EXPECT_FALSE(RunValue());
}
