#include "hotkey/Module1.h"
#include "hotkey/SettingsLayout.h"
#include "hotkey/frmHotKeys.h"
#include "platform/App.h"
#include "support/ImportPatch.h"
#include "support/MessageBoxWatcher.h"
#include "support/TestDesktop.h"
#include "support/TestRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT CtrlAlt = MOD_CONTROL | MOD_ALT;
constexpr UINT KeyL = 'L';
constexpr DWORD BoxTimeoutMs = 5000;

WNDPROC ProcOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)); }
WNDPROC ClassProcOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetClassLongPtrA(hwnd, GCLP_WNDPROC)); }

// Whether the window had the lock hotkey registered; it no longer has it after.
bool TakeLockHotkey(HWND hwnd) { return UnregisterHotKey(hwnd, Module1::LockHotkeyId) != FALSE; }

void Store(const settings::Entry& entry, const std::string& text)
{
    StoreSetting(forms::App::EXEName(), std::string(entry.section), std::string(entry.key), text);
}

class HotkeyWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ForgetSettings(forms::App::EXEName());
        ASSERT_FALSE(frmHotKeys.IsLoaded());
        ASSERT_FALSE(ChordIsHeld(CtrlAlt, KeyL)) << "another window already holds Ctrl+Alt+L";
    }
    void TearDown() override
    {
        frmHotKeys.Unload();
        ForgetSettings(forms::App::EXEName());
    }
};

// A chord registered on the thread, not on a window, as another program would hold it.
class ThreadHotkey {
public:
    ThreadHotkey(UINT modifiers, UINT key) : held_(RegisterHotKey(nullptr, Id, modifiers, key) != FALSE) {}
    ~ThreadHotkey() { if (held_) UnregisterHotKey(nullptr, Id); }
    bool Held() const { return held_; }

private:
    static constexpr int Id = 0x7001;
    bool held_;
};

}  // namespace

// --- Registration -------------------------------------------------------------

TEST_F(HotkeyWindow, LoadingWithNothingStoredHoldsControlAltL)
{
    HWND hwnd = frmHotKeys.hWnd();
    EXPECT_TRUE(ChordIsHeld(CtrlAlt, KeyL));
    EXPECT_FALSE(ChordIsHeld(CtrlAlt | MOD_SHIFT, KeyL));  // exactly these modifiers
    EXPECT_TRUE(TakeLockHotkey(hwnd));                     // under the lock id, on this window
    EXPECT_FALSE(frmHotKeys.Visible());
}

TEST_F(HotkeyWindow, SettingsWithoutAChordDropTheOneBefore)
{
    struct Row {
        const char* what;
        std::vector<std::pair<settings::Entry, std::string>> stored;
    };
    const Row rows[] = {
        {"no modifier", {{settings::Ctrl, "0"}, {settings::Alt, "0"}, {settings::Shift, "0"}}},
        {"empty key", {{settings::Key, ""}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ForgetSettings(forms::App::EXEName());
        HWND hwnd = frmHotKeys.hWnd();
        Module1::ApplyHotkeySettings(hwnd);
        ASSERT_TRUE(ChordIsHeld(CtrlAlt, KeyL));

        for (const auto& [entry, text] : row.stored) Store(entry, text);
        Module1::ApplyHotkeySettings(hwnd);
        EXPECT_FALSE(ChordIsHeld(CtrlAlt, KeyL));
        EXPECT_FALSE(TakeLockHotkey(hwnd));
    }
}

TEST_F(HotkeyWindow, ApplyingNewSettingsReplacesTheChordUnregisteringTheOldOneFirst)
{
    HWND hwnd = frmHotKeys.hWnd();
    Store(settings::Shift, "1");
    Store(settings::Key, "7");
    {
        HotkeyCallRecorder calls;
        Module1::ApplyHotkeySettings(hwnd);
        EXPECT_EQ(calls.Calls(), (std::vector<std::string>{"Unregister 1", "Register 1 7 55"}));
    }
    EXPECT_FALSE(ChordIsHeld(CtrlAlt, KeyL));
    EXPECT_TRUE(ChordIsHeld(CtrlAlt | MOD_SHIFT, '7'));
}

TEST_F(HotkeyWindow, ChordHeldElsewhereIsRefusedSilently)
{
    ThreadHotkey other(CtrlAlt, KeyL);
    ASSERT_TRUE(other.Held());
    MessageBoxWatcher boxes;

    HWND hwnd = nullptr;
    EXPECT_NO_THROW(hwnd = frmHotKeys.hWnd());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_FALSE(TakeLockHotkey(hwnd));
    EXPECT_EQ(ProcOf(hwnd), &Module1::HotkeyWindowProc);  // hooked all the same
}

// --- A press of the chord -------------------------------------------------------

TEST_F(HotkeyWindow, PressStartsTheLockSilently)
{
    FakeLockWorkStation lock(TRUE);
    MessageBoxWatcher boxes;
    frmHotKeys.hWnd();

    PressChord(CtrlAlt, KeyL);
    EXPECT_TRUE(PumpUntil([&] { return lock.Calls() >= 1; }));
    EXPECT_EQ(lock.Calls(), 1);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(HotkeyWindow, RefusedLockWarnsWithAnExclamationBox)
{
    FakeLockWorkStation lock(FALSE);
    MessageBoxWatcher boxes;
    frmHotKeys.hWnd();

    PressChord(CtrlAlt, KeyL);
    ASSERT_TRUE(PumpUntil([&] { return !boxes.Boxes().empty(); }));
    const SeenBox& box = boxes.Boxes().front();
    EXPECT_EQ(box.caption, "Duradarudo");
    EXPECT_EQ(box.text, "Failed to lock workstation.");
    ASSERT_NE(box.icon, nullptr);
    EXPECT_EQ(box.icon, LoadIcon(nullptr, IDI_EXCLAMATION));  // the shared system icon
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(box.hwnd); }));
    EXPECT_EQ(lock.Calls(), 1);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

namespace {

std::vector<HWND> boxesStillOpen;

// Answers every box still open; the bound on a nested box loop that would
// otherwise wait forever for a press that never came.
void CALLBACK AnswerOpenBoxes(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    for (HWND box : boxesStillOpen)
        if (IsWindow(box)) PostMessageA(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST_F(HotkeyWindow, PressWhileTheWarningIsOpenStacksASecondWarning)
{
    FakeLockWorkStation lock(FALSE);
    bool firstOpenWhenSecondOpened = false;
    boxesStillOpen.clear();
    const UINT_PTR bound = SetTimer(nullptr, 0, BoxTimeoutMs, AnswerOpenBoxes);

    MessageBoxWatcher boxes([&](const SeenBox& box) {
        boxesStillOpen.push_back(box.hwnd);
        if (boxesStillOpen.size() == 1) {
            PressChord(CtrlAlt, KeyL);  // handled inside this box's own loop
            return;
        }
        firstOpenWhenSecondOpened = IsWindow(boxesStillOpen.front()) != FALSE;
        // The second is answered first, then the one beneath it.
        for (auto it = boxesStillOpen.rbegin(); it != boxesStillOpen.rend(); ++it)
            PostMessageA(*it, WM_COMMAND, IDOK, 0);
    });
    frmHotKeys.hWnd();

    PressChord(CtrlAlt, KeyL);
    EXPECT_TRUE(PumpUntil([&] {
        return boxes.Boxes().size() == 2 && !IsWindow(boxes.Boxes()[0].hwnd) && !IsWindow(boxes.Boxes()[1].hwnd);
    }));
    KillTimer(nullptr, bound);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_TRUE(firstOpenWhenSecondOpened);
    EXPECT_NE(boxes.Boxes()[0].hwnd, boxes.Boxes()[1].hwnd);
    EXPECT_EQ(boxes.Boxes()[1].text, "Failed to lock workstation.");
    EXPECT_EQ(lock.Calls(), 2);
}

TEST_F(HotkeyWindow, HotkeyPressedActsOnlyOnTheLockId)
{
    FakeLockWorkStation lock(FALSE);
    MessageBoxWatcher boxes;
    for (int32_t id : {0, 2, -1, IDHOT_SNAPDESKTOP, IDHOT_SNAPWINDOW}) frmHotKeys.HotkeyPressed(id);
    EXPECT_EQ(lock.Calls(), 0);
    EXPECT_TRUE(boxes.Boxes().empty());

    frmHotKeys.HotkeyPressed(Module1::LockHotkeyId);
    EXPECT_EQ(lock.Calls(), 1);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

// --- The hook ----------------------------------------------------------------------

TEST_F(HotkeyWindow, LoadingPutsTheHookInFrontOfTheWindowsOwnProcedure)
{
    HWND hwnd = frmHotKeys.hWnd();
    EXPECT_EQ(ProcOf(hwnd), &Module1::HotkeyWindowProc);
    EXPECT_EQ(Module1::PrevWindowProc, ClassProcOf(hwnd));
    EXPECT_EQ(Module1::HookedWindow, hwnd);
    // What the window answers is what its own procedure answers.
    const LRESULT length = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    EXPECT_EQ(length, CallWindowProcA(Module1::PrevWindowProc, hwnd, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_EQ(length, LRESULT{5});  // "Form1"
}

namespace {

// A window procedure whose every answer is its own, and which remembers what it saw.
struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Seen> seenByPrevious;

LRESULT AnswerOf(UINT message, WPARAM wParam, LPARAM lParam)
{
    return static_cast<LRESULT>(0x51000000u ^ (message << 8) ^ wParam ^ (static_cast<UINT>(lParam) << 4));
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_USER || message == WM_HOTKEY || message == WM_GETTEXTLENGTH) {
        seenByPrevious.push_back({message, wParam, lParam});
        return AnswerOf(message, wParam, lParam);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A window of the test's own, hooked for the life of the object.
class HookedTestWindow {
public:
    HookedTestWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "HotkeyHookProbe";
        RegisterClassA(&wc);
        hwnd_ = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
        Module1::HookWindow(hwnd_);
    }
    ~HookedTestWindow()
    {
        Module1::UnhookWindow();
        DestroyWindow(hwnd_);
    }
    HWND hWnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

}  // namespace

TEST_F(HotkeyWindow, EveryMessageReturnsWhatThePreviousProcedureReturns)
{
    FakeLockWorkStation lock(TRUE);
    HookedTestWindow window;
    ASSERT_EQ(Module1::PrevWindowProc, &RecordingProc);

    struct Row {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int locks;  // lock calls the message causes
    };
    const Row rows[] = {
        {WM_GETTEXTLENGTH, 0, 0, 0},
        {WM_USER + 7, 0x1234, -5, 0},
        {WM_HOTKEY, Module1::LockHotkeyId, MAKELPARAM(CtrlAlt, KeyL), 1},
        {WM_HOTKEY, 2, MAKELPARAM(CtrlAlt, KeyL), 0},
        {WM_HOTKEY, static_cast<WPARAM>(IDHOT_SNAPDESKTOP), 0, 0},
        {WM_HOTKEY, static_cast<WPARAM>(IDHOT_SNAPWINDOW), MAKELPARAM(MOD_ALT, VK_SNAPSHOT), 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "message " << row.message << " wParam " << row.wParam);
        seenByPrevious.clear();
        const int locksBefore = lock.Calls();
        const LRESULT result = SendMessageA(window.hWnd(), row.message, row.wParam, row.lParam);
        EXPECT_EQ(result, AnswerOf(row.message, row.wParam, row.lParam));
        ASSERT_EQ(seenByPrevious.size(), 1u);
        EXPECT_EQ(seenByPrevious[0].message, row.message);
        EXPECT_EQ(seenByPrevious[0].wParam, row.wParam);
        EXPECT_EQ(seenByPrevious[0].lParam, row.lParam);
        EXPECT_EQ(lock.Calls() - locksBefore, row.locks);
    }
}

TEST_F(HotkeyWindow, UnhookingWithoutAHookLeavesEveryWindowAlone)
{
    HWND stale;
    {
        HookedTestWindow window;  // hooks, then unhooks: HookedWindow stays behind
        stale = window.hWnd();
    }
    ASSERT_EQ(Module1::PrevWindowProc, nullptr);
    ASSERT_EQ(Module1::HookedWindow, stale);

    HWND hwnd = frmHotKeys.hWnd();
    Module1::UnhookWindow();
    Module1::UnhookWindow();
    // The first call restores the window; the second finds no hook and does nothing.
    EXPECT_EQ(ProcOf(hwnd), ClassProcOf(hwnd));
    EXPECT_EQ(Module1::PrevWindowProc, nullptr);

    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Module1::HotkeyWindowProc));
    Module1::UnhookWindow();
    EXPECT_EQ(ProcOf(hwnd), &Module1::HotkeyWindowProc);
    // Put the window's own procedure back, so that the unload finds it as it left it.
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClassProcOf(hwnd)));
}

namespace {

struct AtDestroy {
    HWND window = nullptr;
    bool seen = false;
    WNDPROC proc = nullptr;
    bool chordHeld = true;
    bool hookRecorded = true;
};
AtDestroy atDestroy;

LRESULT CALLBACK WatchDestroy(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_DESTROYWND && reinterpret_cast<HWND>(wParam) == atDestroy.window) {
        atDestroy.seen = true;
        atDestroy.proc = ProcOf(atDestroy.window);
        atDestroy.chordHeld = ChordIsHeld(CtrlAlt, KeyL);
        atDestroy.hookRecorded = Module1::PrevWindowProc != nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_F(HotkeyWindow, UnloadFreesTheChordAndRestoresTheProcedureBeforeTheWindowGoes)
{
    HWND hwnd = frmHotKeys.hWnd();
    const WNDPROC own = ClassProcOf(hwnd);
    ASSERT_TRUE(ChordIsHeld(CtrlAlt, KeyL));

    atDestroy = AtDestroy{hwnd};
    HHOOK hook = SetWindowsHookExA(WH_CBT, WatchDestroy, nullptr, GetCurrentThreadId());
    frmHotKeys.Unload();
    UnhookWindowsHookEx(hook);

    ASSERT_TRUE(atDestroy.seen);
    EXPECT_EQ(atDestroy.proc, own);
    EXPECT_FALSE(atDestroy.chordHeld);
    EXPECT_FALSE(atDestroy.hookRecorded);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(ChordIsHeld(CtrlAlt, KeyL));
}

TEST_F(HotkeyWindow, TouchingTheWindowAfterAnUnloadHooksAndRegistersAgain)
{
    FakeLockWorkStation lock(TRUE);
    frmHotKeys.hWnd();
    frmHotKeys.Unload();
    ASSERT_FALSE(ChordIsHeld(CtrlAlt, KeyL));

    HWND hwnd = frmHotKeys.hWnd();
    EXPECT_EQ(ProcOf(hwnd), &Module1::HotkeyWindowProc);
    EXPECT_EQ(Module1::HookedWindow, hwnd);

    PressChord(CtrlAlt, KeyL);
    EXPECT_TRUE(PumpUntil([&] { return lock.Calls() >= 1; }));
    EXPECT_EQ(lock.Calls(), 1);
}
