// The built program, started from a folder with blanks in its path and worked
// from outside as a user would.

#include "e2e/ProgramDriver.h"
#include "e2e/Recorders.h"

#include "platform/Conversions.h"
#include "support/TestDesktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT CtrlAlt = MOD_CONTROL | MOD_ALT;
constexpr UINT CtrlAltShift = MOD_CONTROL | MOD_ALT | MOD_SHIFT;
constexpr DWORD ChordBoundMs = 5000;

constexpr const char* LockFailedText = "Failed to lock workstation.";
constexpr const char* SavedText = "Settings saved!";

// The settings window's controls, found by what the user reads on them.
struct SettingsWindow {
    HWND window, ctrl, alt, shift, key, autostart, ok, cancel;
};

SettingsWindow WaitForSettingsWindow(const ProgramDriver& program)
{
    SettingsWindow w{};
    w.window = program.WaitForWindow(SettingsWindowClass, SettingsWindowCaption);
    if (!w.window) return w;
    w.ctrl = controls::Find(w.window, "Button", "Control ");
    w.alt = controls::Find(w.window, "Button", "Alt");
    w.shift = controls::Find(w.window, "Button", "Shift");
    w.key = controls::Find(w.window, "ComboBox");
    w.autostart = controls::Find(w.window, "Button", "Automatically load this app alongside windows startup");
    w.ok = controls::Find(w.window, "Button", "OK");
    w.cancel = controls::Find(w.window, "Button", "Cancel");
    return w;
}

bool AllFound(const SettingsWindow& w)
{
    return w.window && w.ctrl && w.alt && w.shift && w.key && w.autostart && w.ok && w.cancel;
}

// Clicks OK and returns the box that confirms the save, still open.
MessageBoxSeen SaveAndWaitForConfirmation(const ProgramDriver& program, const SettingsWindow& w)
{
    controls::ClickAndGoOn(w.ok);  // its handler waits in the confirmation box
    auto boxes = program.WaitForMessageBoxes(1);
    return boxes.empty() ? MessageBoxSeen{} : boxes.front();
}

// A place on the screen away from the program's windows and the notification area.
constexpr POINT Elsewhere{400, 900};

int ScreenDpi()
{
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return dpi;
}

}  // namespace

// --- The lock hotkey -----------------------------------------------------------

TEST(LockHotkey, ControlAltLFromAFolderWithBlanksWarnsOnEveryPressAndIsFreedAtExit)
{
    ProgramDriver program;
    ASSERT_NE(program.ExePath().find(' '), std::string::npos);
    program.Start();
    ASSERT_TRUE(WaitForChordHeld(CtrlAlt, 'L', ChordBoundMs));

    PressChord(CtrlAlt, 'L');
    auto boxes = program.WaitForMessageBoxes(1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, ProgramTitle);
    EXPECT_EQ(boxes[0].text, LockFailedText);

    // The open box's own loop still takes the hotkey: a second warning stacks.
    PressChord(CtrlAlt, 'L');
    boxes = program.WaitForMessageBoxes(2);
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.caption, ProgramTitle);
        EXPECT_EQ(box.text, LockFailedText);
    }

    program.Kill();
    EXPECT_TRUE(WaitForChordFree(CtrlAlt, 'L'));
}

TEST(LockHotkey, StoredModifiersCountByTheirRoundedNumberAndTheKeyByItsFirstCharacter)
{
    ProgramDriver program;
    program.StoreSetting("Hotkey1", "Ctrl", "0.5");  // rounds to 0, half to even
    program.StoreSetting("Hotkey1", "Alt", "1");
    program.StoreSetting("Hotkey1", "Shift", "-1");
    program.StoreSetting("Hotkey1", "Key", "kX");
    program.StoreSetting("default", "configured", "true");
    program.Start();

    EXPECT_TRUE(WaitForChordHeld(MOD_ALT | MOD_SHIFT, 'K', ChordBoundMs));
    EXPECT_FALSE(ChordIsHeld(CtrlAlt, 'K'));
    EXPECT_FALSE(ChordIsHeld(CtrlAltShift, 'K'));
    EXPECT_FALSE(ChordIsHeld(MOD_ALT | MOD_SHIFT, 'X'));
}

TEST(LockHotkey, ModifiersWithoutANumberGiveNoChordAndTheProgramRunsOn)
{
    ProgramDriver program;
    program.StoreSetting("Hotkey1", "Ctrl", "0");
    program.StoreSetting("Hotkey1", "Alt", "abc");
    program.StoreSetting("Hotkey1", "Shift", "");
    program.StoreSetting("default", "configured", "true");
    program.Start();  // returns once the start-up, registration included, has run

    for (UINT modifiers = 1; modifiers <= CtrlAltShift; ++modifiers)
        EXPECT_FALSE(ChordIsHeld(modifiers, 'L')) << "modifiers " << modifiers;
    EXPECT_TRUE(program.IsRunning());
    EXPECT_TRUE(program.HasWindow(HotkeyWindowClass, HotkeyWindowCaption));
}

// --- The settings window at first start ----------------------------------------

// A first start: nothing stored, so the settings window opens.
class FirstStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.Start();
        w = WaitForSettingsWindow(program);
        ASSERT_TRUE(AllFound(w));
    }

    ProgramDriver program;
    SettingsWindow w{};
};

TEST_F(FirstStart, OpensTheSettingsWindowAtItsDesignedSizeShowingTheDefaults)
{
    ASSERT_EQ(ScreenDpi(), 96);
    RECT client{};
    GetClientRect(w.window, &client);
    EXPECT_EQ(client.right - client.left, 586);
    EXPECT_EQ(client.bottom - client.top, 181);

    EXPECT_TRUE(controls::IsChecked(w.ctrl));
    EXPECT_TRUE(controls::IsChecked(w.alt));
    EXPECT_FALSE(controls::IsChecked(w.shift));
    EXPECT_FALSE(controls::IsChecked(w.autostart));
    EXPECT_EQ(TextOf(w.key), "L");

    std::vector<std::string> expected;
    for (char c = 'A'; c <= 'Z'; ++c) expected.emplace_back(1, c);
    for (char c = '0'; c <= '9'; ++c) expected.emplace_back(1, c);
    EXPECT_EQ(controls::ComboItems(w.key), expected);
}

TEST_F(FirstStart, CancelWritesNothingSoTheNextStartAsksAgain)
{
    controls::Click(w.shift);
    controls::Click(w.autostart);
    controls::Click(w.cancel);

    ASSERT_TRUE(program.WaitUntilGone(w.window));
    EXPECT_FALSE(program.HasAnySetting());
    EXPECT_FALSE(program.RunValue());
    EXPECT_TRUE(program.IsRunning());  // the hidden hotkey window stays
    EXPECT_TRUE(ChordIsHeld(CtrlAlt, 'L'));

    program.Kill();
    program.Start();
    EXPECT_TRUE(program.WaitForWindow(SettingsWindowClass, SettingsWindowCaption));
}

TEST_F(FirstStart, OkSavesTheChoiceHoldsTheNewChordAtOnceAndTheNextStartAsksNoMore)
{
    controls::Click(w.shift);
    controls::Click(w.autostart);
    controls::SetText(w.key, "q");

    MessageBoxSeen saved = SaveAndWaitForConfirmation(program, w);
    ASSERT_TRUE(saved.hwnd);
    EXPECT_EQ(saved.caption, ProgramTitle);
    EXPECT_EQ(saved.text, SavedText);
    // In force before the user has even closed the confirmation.
    EXPECT_TRUE(ChordIsHeld(CtrlAltShift, 'Q'));
    EXPECT_FALSE(ChordIsHeld(CtrlAlt, 'L'));
    ASSERT_TRUE(program.Answer(saved));
    EXPECT_TRUE(program.WaitUntilGone(w.window));

    EXPECT_EQ(program.Setting("Hotkey1", "Ctrl"), "1");
    EXPECT_EQ(program.Setting("Hotkey1", "Alt"), "1");
    EXPECT_EQ(program.Setting("Hotkey1", "Shift"), "1");
    EXPECT_EQ(program.Setting("Hotkey1", "Key"), "q");
    EXPECT_EQ(program.Setting("start", "autoboot"), "1");
    EXPECT_EQ(program.Setting("default", "configured"), "true");
    auto run = program.RunValue();
    ASSERT_TRUE(run);
    EXPECT_EQ(run->type, static_cast<DWORD>(REG_SZ));
    // Quoted, so that the blanks in the folder cannot split the command at logon.
    EXPECT_EQ(run->data, Quoted(program.ExePath()) + '\0');

    program.Kill();
    ASSERT_TRUE(WaitForChordFree(CtrlAltShift, 'Q'));
    program.Start();
    EXPECT_TRUE(ChordIsHeld(CtrlAltShift, 'Q'));
    EXPECT_FALSE(program.HasWindow(SettingsWindowClass, SettingsWindowCaption));
}

namespace {

// A point of a control's middle line, some pixels in from its left edge: the
// middle of a check box's square at 6, the start of the key box's field at 8.
POINT InFrom(HWND control, int pixels)
{
    RECT r{};
    GetWindowRect(control, &r);
    return {r.left + pixels, (r.top + r.bottom) / 2};
}

// Whether the screen around a point shows the window colour of a box's square or
// an edit field, rather than the grey of a sibling's background painted over it.
bool ShowsWindowColour(POINT at)
{
    HDC screen = GetDC(nullptr);
    int matching = 0;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) matching += GetPixel(screen, at.x + dx, at.y + dy) == GetSysColor(COLOR_WINDOW);
    ReleaseDC(nullptr, screen);
    return matching >= 10;  // of 49; a tick or a letter covers the rest
}

bool HasFocus(HWND window, HWND control)
{
    HWND focus = controls::FocusOf(window);
    return focus && (focus == control || GetParent(focus) == control);  // a combo box's field is its child
}

}  // namespace

TEST_F(FirstStart, TheHotkeyRowTabsInOrderAndEachBoxTakesItsOwnClicksAndStaysWholeOnRepaint)
{
    ASSERT_TRUE(PumpUntil([&] { return HasFocus(w.window, w.ctrl); })) << "Control has not the focus";
    for (HWND next : {w.alt, w.shift, w.key, w.ok, w.autostart, w.cancel, w.ctrl}) {
        PressChord(0, VK_TAB);
        EXPECT_TRUE(PumpUntil([&] { return HasFocus(w.window, next); })) << "Tab missed " << TextOf(next);
    }
    PressChord(MOD_SHIFT, VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return HasFocus(w.window, w.cancel); }));

    // Each click lands on the box under the pointer, not on its neighbour to the left.
    mouse::ClickAt(InFrom(w.alt, 6));
    EXPECT_TRUE(PumpUntil([&] { return !controls::IsChecked(w.alt); })) << "Alt did not take its click";
    mouse::ClickAt(InFrom(w.shift, 6));
    EXPECT_TRUE(PumpUntil([&] { return controls::IsChecked(w.shift); })) << "Shift did not take its click";
    mouse::ClickAt(InFrom(w.key, 8));
    EXPECT_TRUE(PumpUntil([&] { return HasFocus(w.window, w.key); })) << "the key box did not take its click";
    EXPECT_TRUE(controls::IsChecked(w.ctrl));
    EXPECT_FALSE(controls::IsChecked(w.alt));
    EXPECT_TRUE(controls::IsChecked(w.shift));

    // Each box repainted alone, as when it toggles or takes the focus, keeps off its neighbour.
    for (HWND box : {w.shift, w.alt, w.ctrl})
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    for (POINT at : {InFrom(w.alt, 6), InFrom(w.shift, 6), InFrom(w.key, 8)})
        EXPECT_TRUE(PumpUntil([&] { return ShowsWindowColour(at); })) << "covered at " << at.x << "," << at.y;
}

TEST_F(FirstStart, OkAfterTheTrayWindowWasClosedBringsTheIconBackAndItsExitEndsTheProgram)
{
    mouse::DoubleClick(program.TrayIcon());
    HWND tray = program.WaitForWindow(TrayWindowClass, TrayWindowCaption);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(tray) != FALSE; }));
    PostMessageA(tray, WM_SYSCOMMAND, SC_CLOSE, 0);  // its close box
    ASSERT_TRUE(WaitForChordFree(CtrlAlt, 'L'));

    MessageBoxSeen saved = SaveAndWaitForConfirmation(program, w);
    ASSERT_TRUE(program.Answer(saved));
    ASSERT_TRUE(program.WaitForTrayIconBack());
    EXPECT_TRUE(ChordIsHeld(CtrlAlt, 'L'));

    program.ChooseExit();
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_TRUE(WaitForChordFree(CtrlAlt, 'L'));
}

TEST(Autostart, IsSetUpWithoutARunKeyFromAFolderNamedInChinese)
{
    ProgramDriver program("Duradarudo.exe", L"\u81EA\u52A8\u542F\u52A8 test");  // "自动启动"
    RegDeleteTreeA(HKEY_CURRENT_USER, RunKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, RunKey);
    program.Start();
    SettingsWindow w = WaitForSettingsWindow(program);
    ASSERT_TRUE(AllFound(w));
    controls::Click(w.autostart);
    MessageBoxSeen saved = SaveAndWaitForConfirmation(program, w);
    ASSERT_EQ(saved.text, SavedText);
    ASSERT_TRUE(program.Answer(saved));

    wchar_t run[MAX_PATH * 2] = {};
    DWORD size = sizeof run;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, forms::AnsiToWide(RunKey).c_str(), forms::AnsiToWide(program.AppName()).c_str(), RRF_RT_REG_SZ,
                           nullptr, run, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(run), L"\"" + program.ExePathW() + L"\"");
}

TEST(RenamedCopy, KeepsSettingsAndARunValueOfItsOwn)
{
    ProgramDriver original;
    original.StoreSetting("Hotkey1", "Key", "Z");
    original.StoreSetting("default", "configured", "true");

    ProgramDriver renamed("Other name.exe");
    renamed.Start();
    SettingsWindow w = WaitForSettingsWindow(renamed);  // the original's "configured" is not its own
    ASSERT_TRUE(AllFound(w));
    EXPECT_TRUE(ChordIsHeld(CtrlAlt, 'L'));
    EXPECT_EQ(TextOf(w.key), "L");
    controls::Click(w.autostart);

    MessageBoxSeen saved = SaveAndWaitForConfirmation(renamed, w);
    ASSERT_TRUE(saved.hwnd);
    EXPECT_EQ(saved.text, SavedText);
    ASSERT_TRUE(renamed.Answer(saved));

    EXPECT_EQ(renamed.Setting("Hotkey1", "Key"), "L");
    EXPECT_EQ(renamed.Setting("default", "configured"), "true");
    auto run = renamed.RunValue();
    ASSERT_TRUE(run);
    EXPECT_EQ(run->data, Quoted(renamed.ExePath()) + '\0');

    EXPECT_EQ(original.Setting("Hotkey1", "Key"), "Z");
    EXPECT_FALSE(original.Setting("Hotkey1", "Ctrl"));
    EXPECT_FALSE(original.RunValue());
}

// --- The tray icon and its menu ------------------------------------------------

TEST_F(FirstStart, TheTrayMenuClosesOnAClickElsewhereAndExitEndsTheProgramSavingNothing)
{
    HWND icon = program.TrayIcon();
    ASSERT_TRUE(IconShown(icon));
    EXPECT_TRUE(ChordIsHeld(CtrlAlt, 'L'));
    controls::Click(w.shift);  // a change the user does not save

    mouse::Click(icon, true);
    HWND menu = program.WaitForPopupMenu();
    ASSERT_TRUE(menu);
    mouse::ClickAt(Elsewhere);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(menu); })) << "a click elsewhere left the menu open";

    program.ChooseExit();
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_FALSE(IconShown(icon));
    EXPECT_TRUE(WaitForChordFree(CtrlAlt, 'L'));
    EXPECT_FALSE(program.HasAnySetting());
}

TEST(TrayIcon, ADoubleClickShowsTheTrayWindowWhoseCloseBoxEndsTheProgram)
{
    ProgramDriver program;
    program.StoreSetting("default", "configured", "true");
    program.Start();
    HWND icon = program.TrayIcon();
    ASSERT_TRUE(IconShown(icon));
    HWND tray = program.WaitForWindow(TrayWindowClass, TrayWindowCaption);
    ASSERT_TRUE(tray);
    EXPECT_FALSE(IsWindowVisible(tray));

    mouse::DoubleClick(icon);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(tray) != FALSE; }));
    ASSERT_EQ(ScreenDpi(), 96);
    RECT client{};
    GetClientRect(tray, &client);
    EXPECT_EQ(client.right, 304);
    EXPECT_EQ(client.bottom, 201);
    EXPECT_EQ(GetMenu(tray), nullptr);

    PostMessageA(tray, WM_SYSCOMMAND, SC_CLOSE, 0);  // its close box
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_FALSE(IconShown(icon));
    EXPECT_TRUE(WaitForChordFree(CtrlAlt, 'L'));
}

TEST(TrayIcon, GetHelpOpensTheSupportPageInTheBrowser)
{
    BrowserRecorder browser;
    ProgramDriver program;
    program.StoreSetting("default", "configured", "true");
    program.Start();
    ASSERT_TRUE(IconShown(program.TrayIcon()));

    mouse::Click(program.TrayIcon(), true);
    HWND menu = program.WaitForPopupMenu();
    ASSERT_TRUE(menu);
    RECT r{};
    GetWindowRect(menu, &r);
    mouse::ClickAt({r.left + 20, r.top + 10});  // "Get help", the first item

    EXPECT_TRUE(PumpUntil([&] { return !browser.Opened().empty(); }));
    EXPECT_EQ(browser.Opened(), std::vector<std::string>{"https://www.brimwick.com/support/"});
}
