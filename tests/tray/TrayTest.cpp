// The tray shell in-process: the start-up order, the tray record as the
// notification area receives it, the decoding of the icon's callbacks, the
// tray menu worked with the keyboard and the mouse, and the icon's return.

#include "hotkey/SettingsLayout.h"
#include "hotkey/frmHotKeys.h"
#include "platform/App.h"
#include "settings/frmConfig.h"
#include "support/ImportPatch.h"
#include "support/TestDesktop.h"
#include "support/TestRegistry.h"
#include "tray/Main.h"
#include "tray/frmSystray.h"
#include "tray/modsystray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr UINT CtrlAlt = MOD_CONTROL | MOD_ALT;
constexpr DWORD MenuBoundMs = 5000;

void StoreConfigured(const std::optional<std::string>& text)
{
    ForgetSettings(forms::App::EXEName());
    if (text) StoreSetting(forms::App::EXEName(), "default", "configured", *text);
}

// The record as the notification area received it, field by field.
modsystray::NotifyIconData RecordOf(const std::vector<BYTE>& bytes)
{
    modsystray::NotifyIconData record{};
    std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
    return record;
}

// The icon as the notification area sees it, as a user moving the pointer
// over it would.
void IconCallback(UINT mouseMessage)
{
    SendMessageA(frmSystray.hWnd(), modsystray::TrayCallbackMessage, modsystray::TrayIconId, mouseMessage);
}

void Keys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD vk : keys)
        for (DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = vk;
            in.ki.dwFlags = flags;
            inputs.push_back(in);
        }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void ClickAt(POINT at)
{
    SetCursorPos(at.x, at.y);
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
}

// Works this thread's next popup menu once it is up and waiting for the user
// (its loop tells the owner it is idle); a menu still open after the bound is
// closed, and the test fails.
class PopupMenuWatcher {
public:
    using OnOpen = std::function<void(HWND menuWindow)>;
    explicit PopupMenuWatcher(OnOpen onOpen = ClickBeside)
        : onOpen_(std::move(onOpen)),
          hook_(SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId())),
          bound_(SetTimer(nullptr, 0, MenuBoundMs, CloseByBound))
    {
        current_ = this;
    }
    ~PopupMenuWatcher()
    {
        UnhookWindowsHookEx(hook_);
        KillTimer(nullptr, bound_);
        current_ = nullptr;
        // The input that closed the menu may leave a button release behind,
        // which the program's loop would dispatch before any next menu.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) forms::ProcessMessage(msg);
    }
    bool Opened() const { return opened_; }
    bool ClosedByBound() const { return closedByBound_; }

    // Closes the menu as a user does, with a click outside it.
    static void ClickBeside(HWND menuWindow)
    {
        RECT r{};
        GetWindowRect(menuWindow, &r);
        ClickAt({r.left > 100 ? r.left - 50 : r.right + 50, r.top});
    }

private:
    static void CALLBACK CloseByBound(HWND, UINT, UINT_PTR, DWORD)
    {
        if (current_ && current_->opened_) current_->closedByBound_ = true;
        EndMenu();
    }
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        PopupMenuWatcher* self = current_;
        if (code == HC_ACTION && self && !self->opened_ && sent->message == WM_ENTERIDLE &&
            sent->wParam == MSGF_MENU) {
            self->opened_ = true;
            self->onOpen_(reinterpret_cast<HWND>(sent->lParam));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline PopupMenuWatcher* current_ = nullptr;
    OnOpen onOpen_;
    HHOOK hook_;
    UINT_PTR bound_;
    bool opened_ = false, closedByBound_ = false;
};

HMENU MenuOf(HWND menuWindow) { return reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0)); }

// The items of the open menu, read from its real menu handle; "-" for a separator.
std::vector<std::string> MenuItems(HWND menuWindow)
{
    HMENU menu = MenuOf(menuWindow);
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) {
            items.emplace_back("-");
            continue;
        }
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        items.emplace_back(text);
    }
    return items;
}

class Tray : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(ChordIsHeld(CtrlAlt, 'L')) << "another window already holds Ctrl+Alt+L";
        StoreConfigured("true");
    }
    void TearDown() override
    {
        frmConfig.Unload();
        frmSystray.Unload();
        ForgetSettings(forms::App::EXEName());
    }
    bool IconShown() const { return notify.PassOn(NIM_MODIFY, &modsystray::TrayIconData) != FALSE; }

    // Clicks the item at this place of the tray menu (0 = "Get help").
    static void ChooseFromTrayMenu(int position)
    {
        PopupMenuWatcher watcher([position](HWND menuWindow) {
            RECT item{};
            GetMenuItemRect(nullptr, MenuOf(menuWindow), static_cast<UINT>(position), &item);
            ClickAt({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
        });
        IconCallback(WM_RBUTTONUP);
        EXPECT_TRUE(watcher.Opened());
        EXPECT_FALSE(watcher.ClosedByBound()) << "the click on the item left the menu open";
    }

    ShellNotifyIconRecorder notify;
    FakeShellExecute shell;
};

// Places in the tray menu, separators included.
enum TrayMenuPlace { Settings = 3, CloseMenu = 7 };

}  // namespace

// --- Start-up --------------------------------------------------------------------

TEST_F(Tray, StartUpAddsTheIconAndHoldsTheChordBeforeTheSettingsWindowUnlessConfiguredIsExactlyTrue)
{
    struct Row {
        std::optional<std::string> configured;
        bool settingsWindowOpens;
    } rows[] = {{std::nullopt, true}, {"true", false}, {"True", true}, {"true ", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.configured.value_or("(absent)"));
        StoreConfigured(row.configured);
        bool chordHeldAtAdd = false, settingsLoadedAtAdd = true;
        notify.Restart([&](DWORD message) {
            if (message != NIM_ADD) return;
            chordHeldAtAdd = ChordIsHeld(CtrlAlt, 'L');
            settingsLoadedAtAdd = frmConfig.IsLoaded();
        });

        Module1::Main();

        ASSERT_EQ(notify.Calls().size(), 1u);
        EXPECT_EQ(notify.Calls()[0].message, static_cast<DWORD>(NIM_ADD));
        EXPECT_TRUE(notify.Calls()[0].result) << "the icon is not in the notification area";
        EXPECT_TRUE(chordHeldAtAdd);
        EXPECT_FALSE(settingsLoadedAtAdd);
        EXPECT_TRUE(frmSystray.IsLoaded() && !frmSystray.Visible());
        EXPECT_TRUE(frmHotKeys.IsLoaded() && !frmHotKeys.Visible());
        EXPECT_EQ(frmConfig.IsLoaded() && frmConfig.Visible(), row.settingsWindowOpens);
        notify.Restart();
        TearDown();
    }
}

TEST_F(Tray, EveryCallPassesTheOneRecordAsTheFirstNotifyIconDataWithTheTipPaddedWithBlanks)
{
    Module1::Main();
    HWND tray = frmSystray.hWnd();
    HICON icon = frmSystray.Icon();
    frmSystray.Unload();

    ASSERT_EQ(notify.Calls().size(), 2u);
    const NotifyIconCall& add = notify.Calls()[0];
    EXPECT_EQ(add.message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(add.record, &modsystray::TrayIconData);
    // 88 bytes in the 32-bit program, whose layout the record's declaration checks.
    ASSERT_EQ(add.bytes.size(), sizeof(modsystray::NotifyIconData));
    const modsystray::NotifyIconData record = RecordOf(add.bytes);
    EXPECT_EQ(record.cbSize, sizeof record);
    EXPECT_EQ(record.hWnd, tray);
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, modsystray::TrayCallbackMessage);
    EXPECT_GE(modsystray::TrayCallbackMessage, static_cast<UINT>(WM_APP));
    EXPECT_EQ(record.hIcon, icon);
    const std::string tip(record.szTip, sizeof record.szTip);
    EXPECT_EQ(tip, std::string("Vendrel pro by Brimwick") + '\0' + std::string(40, ' '));

    const NotifyIconCall& remove = notify.Calls()[1];
    EXPECT_EQ(remove.message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(remove.record, &modsystray::TrayIconData);
    EXPECT_EQ(remove.bytes, add.bytes);
    EXPECT_TRUE(remove.result) << "the icon was not in the notification area";
    EXPECT_FALSE(frmHotKeys.IsLoaded());
    EXPECT_FALSE(ChordIsHeld(CtrlAlt, 'L'));
}

// --- The icon's callbacks -------------------------------------------------------------

TEST_F(Tray, OnlyADoubleClickShowsAndRestoresTheWindowAndOnlyARightButtonUpPopsUpTheMenu)
{
    Module1::Main();
    HWND tray = frmSystray.hWnd();
    for (UINT message : {0x200u, 0x201u, 0x202u, 0x204u, 0x207u, 0x208u}) {
        PopupMenuWatcher watcher;
        IconCallback(message);
        EXPECT_FALSE(watcher.Opened()) << std::hex << message;
        EXPECT_FALSE(IsWindowVisible(tray)) << std::hex << message;
    }
    {
        PopupMenuWatcher watcher;
        IconCallback(WM_RBUTTONUP);
        EXPECT_TRUE(watcher.Opened());
        EXPECT_FALSE(watcher.ClosedByBound()) << "";
    }

    IconCallback(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(tray));
    for (int state : {SW_MINIMIZE, SW_MAXIMIZE}) {
        ShowWindow(tray, state);
        IconCallback(WM_LBUTTONDBLCLK);
        EXPECT_EQ(frmSystray.WindowState(), forms::WindowStateNormal) << state;
        EXPECT_TRUE(IsWindowVisible(tray));
    }

    // Pointer movement over a widened window is only pointer movement, also
    // where its pixel position equals a double click or a right button up.
    ShowWindow(tray, SW_MAXIMIZE);
    for (int x : {515, 517}) {
        PopupMenuWatcher watcher;
        SendMessageA(tray, WM_MOUSEMOVE, 0, MAKELPARAM(x, 10));
        EXPECT_FALSE(watcher.Opened()) << x;
        EXPECT_EQ(frmSystray.WindowState(), forms::WindowStateMaximized) << x;
    }
}

// --- The tray menu -----------------------------------------------------------------

TEST_F(Tray, TheMenuOpensAtThePointerInTheForegroundAsDesignedAndClosesOnAClickElsewhere)
{
    Module1::Main();
    HWND tray = frmSystray.hWnd();
    const POINT pointer{400, 300};
    SetCursorPos(pointer.x, pointer.y);
    std::vector<std::string> items;
    RECT menuRect{};
    HWND foreground = nullptr;
    PopupMenuWatcher watcher([&](HWND menu) {
        items = MenuItems(menu);
        GetWindowRect(menu, &menuRect);
        foreground = GetForegroundWindow();
        PopupMenuWatcher::ClickBeside(menu);
    });
    IconCallback(WM_RBUTTONUP);

    ASSERT_TRUE(watcher.Opened());
    EXPECT_FALSE(watcher.ClosedByBound()) << "a click elsewhere left the menu open";
    EXPECT_EQ(items, (std::vector<std::string>{"Get help", "About", "-", "Settings", "-", "Support Vendrel Pro", "-",
                                              "Close menu", "E&xit"}));
    EXPECT_EQ(menuRect.left, pointer.x);
    EXPECT_EQ(menuRect.top, pointer.y);
    EXPECT_EQ(foreground, tray);
    // The queue of the menu's owner moves on, so that the next popup stays up.
    MSG msg;
    bool nullPosted = false;
    while (PeekMessageA(&msg, tray, 0, 0, PM_REMOVE)) nullPosted |= msg.message == WM_NULL;
    EXPECT_TRUE(nullPosted);
    EXPECT_TRUE(shell.Calls().empty());
}

TEST_F(Tray, CloseMenuChangesNothingAndGetHelpChosenWithTheKeyboardOpensTheSupportPageOnce)
{
    Module1::Main();
    ChooseFromTrayMenu(CloseMenu);
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_TRUE(IconShown());
    EXPECT_TRUE(ChordIsHeld(CtrlAlt, 'L'));
    EXPECT_FALSE(frmConfig.IsLoaded());
    EXPECT_FALSE(IsWindowVisible(frmSystray.hWnd()));

    {
        PopupMenuWatcher watcher([](HWND) { Keys({VK_DOWN, VK_RETURN}); });
        IconCallback(WM_RBUTTONUP);
        EXPECT_FALSE(watcher.ClosedByBound()) << "the menu does not answer the keyboard";
    }
    ASSERT_EQ(shell.Calls().size(), 1u);
    const ShellExecuteCall& call = shell.Calls()[0];
    EXPECT_EQ(call.hwnd, frmSystray.hWnd());
    EXPECT_EQ(call.operation, "open");
    EXPECT_EQ(call.file, "https://www.brimwick.com/support/");
    EXPECT_TRUE(call.nullParameters);
    EXPECT_TRUE(call.nullDirectory);
    EXPECT_EQ(call.showCommand, SW_SHOWNORMAL);
}

TEST_F(Tray, SettingsOpensOneSettingsWindowInTheForegroundAndASecondTimeKeepsItsUnsavedChange)
{
    Module1::Main();
    ChooseFromTrayMenu(Settings);
    ASSERT_TRUE(frmConfig.IsLoaded() && frmConfig.Visible());
    HWND window = frmConfig.hWnd();
    auto focusIsIn = [&] { return GetForegroundWindow() == window && IsChild(window, GetFocus()); };
    EXPECT_TRUE(PumpUntil(focusIsIn, 2000));

    frmConfig.chkShift1.SetValue(1);
    ChooseFromTrayMenu(Settings);
    EXPECT_EQ(frmConfig.hWnd(), window);
    EXPECT_EQ(frmConfig.chkShift1.Value(), 1) << "the window was loaded afresh";
    EXPECT_TRUE(PumpUntil(focusIsIn, 2000)) << "the open window stayed behind the tray window";
}

// --- The notification area created anew ---------------------------------------------

TEST_F(Tray, TaskbarCreatedAddsTheIconAgainWithTheSameRecord)
{
    Module1::Main();
    ASSERT_TRUE(notify.PassOn(NIM_DELETE, &modsystray::TrayIconData));  // as a restarted notification area
    ASSERT_FALSE(IconShown());

    SendMessageA(frmSystray.hWnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);

    ASSERT_EQ(notify.Calls().size(), 2u);
    EXPECT_EQ(notify.Calls()[1].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(notify.Calls()[1].record, &modsystray::TrayIconData);
    EXPECT_TRUE(IconShown());
    {
        PopupMenuWatcher watcher;
        IconCallback(WM_RBUTTONUP);
        EXPECT_TRUE(watcher.Opened());
    }
}
