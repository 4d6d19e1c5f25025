#include "settings/ConfigTesting.h"
#include "support/TestDesktop.h"

#include <vector>

namespace {

struct Placement {
    const char* windowClass;
    const char* caption;
    int left, top, width, height;  // twips
};

// Where each control stands, in twips; labels size themselves, so only their
// corner is fixed. A modifier box ends where the next box of the row begins.
constexpr Placement Placements[] = {
    {"Button", "Control ", 2520, 780, 3480 - 2520, 375},
    {"Button", "Alt", 3480, 780, 4200 - 3480, 375},
    {"Button", "Shift", 4200, 780, 5040 - 4200, 375},
    {"ComboBox", nullptr, 5040, 790, 975, 315},
    {"Button", "Automatically load this app alongside windows startup", 240, 1320, 4335, 375},
    {"Button", "OK", 5400, 1920, 1455, 495},
    {"Button", "Cancel", 7080, 1920, 1455, 495},
    {"Static", "Configure Vendrel pro before running", 240, 120, 0, 0},
    {"Static", "Hotkey (press)", 240, 720, 0, 0},
    {"Static", "to lock screen", 6240, 720, 0, 0},
};

RECT ClientRectOf(HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int Px(int twips) { return forms::TwipsToPixelsX(twips); }

// Types one key into whatever has the focus.
void Press(WORD vk) { PressChord(0, vk); }

}  // namespace

TEST_F(ConfigWindow, StandsAsDesignedAt96Dpi)
{
    ASSERT_EQ(forms::TwipsPerPixelX(), 15) << "the display is not at 96 dpi";
    HWND hwnd = frmConfig.hWnd();
    EXPECT_EQ(frmConfig.Caption(), "Vendrel pro configuration");

    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 586);
    EXPECT_EQ(client.bottom, 181);

    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) << "fixed border, no min or max box";

    for (const Placement& p : Placements) {
        SCOPED_TRACE(p.caption ? p.caption : p.windowClass);
        HWND control = Child(p.windowClass, p.caption);
        ASSERT_TRUE(control);
        RECT r = ClientRectOf(control);
        EXPECT_EQ(r.left, Px(p.left));
        EXPECT_EQ(r.top, Px(p.top));
        if (p.width) {
            EXPECT_EQ(r.right - r.left, Px(p.width));
            EXPECT_EQ(r.bottom - r.top, Px(p.height));
        } else {
            EXPECT_GT(r.right - r.left, 0);
        }
    }
    // The big labels are drawn in larger type than the check boxes: a label that
    // sizes itself is one line of its type tall, taller than a line of theirs.
    RECT title = ClientRectOf(Child("Static", "to lock screen"));
    HWND check = frmConfig.chkCtrl1.hWnd();
    HDC dc = GetDC(check);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(check, WM_GETFONT, 0, 0)));
    TEXTMETRICA checkLine{};
    GetTextMetricsA(dc, &checkLine);
    SelectObject(dc, old);
    ReleaseDC(check, dc);
    EXPECT_GT(title.bottom - title.top, checkLine.tmHeight);
}

TEST_F(ConfigWindow, TabGoesThroughTheControlsInTheirOrderAndStartsOnControl)
{
    frmConfig.Show();
    ASSERT_TRUE(PumpUntil([] { return GetFocus() == frmConfig.chkCtrl1.hWnd(); })) << "focus is not on Control";

    const std::vector<HWND> expected = {
        frmConfig.chkCtrl1.hWnd(), frmConfig.chkAlt1.hWnd(), frmConfig.chkShift1.hWnd(), frmConfig.cboKey1.hWnd(),
        frmConfig.cmdSave.hWnd(),  frmConfig.Check1.hWnd(),  frmConfig.Command1.hWnd(),
    };
    std::vector<HWND> seen;
    HWND at = expected.front();
    for (size_t i = 0; i < expected.size(); ++i) {
        seen.push_back(at);
        at = GetNextDlgTabItem(frmConfig.hWnd(), at, FALSE);
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(at, expected.front()) << "Tab wraps around to Control";
}

TEST_F(ConfigWindow, EscapeAndEnterNeitherCloseNorSave)
{
    frmConfig.Show();
    ASSERT_TRUE(PumpUntil([] { return GetFocus() == frmConfig.chkCtrl1.hWnd(); }));

    // Each key is followed by a Space that toggles the focused box: once the
    // toggle shows, the key before it has been handled too.
    for (WORD key : {VK_ESCAPE, VK_RETURN}) {
        const int before = frmConfig.chkCtrl1.Value();
        Press(key);
        Press(VK_SPACE);
        ASSERT_TRUE(PumpUntil([&] { return !frmConfig.IsLoaded() || frmConfig.chkCtrl1.Value() != before; }));
        ASSERT_TRUE(frmConfig.IsLoaded()) << "key " << key << " closed the window";
    }

    // Enter typed into the key box saves nothing either.
    SetFocus(frmConfig.cboKey1.hWnd());
    frmConfig.cboKey1.SetText("");
    Press(VK_RETURN);
    Press('X');
    ASSERT_TRUE(PumpUntil([] { return !frmConfig.IsLoaded() || !frmConfig.cboKey1.Text().empty(); }));
    ASSERT_TRUE(frmConfig.IsLoaded());
    EXPECT_FALSE(Stored("default", "configured"));
    EXPECT_FALSE(Stored("Hotkey1", "Ctrl"));
}

TEST_F(ConfigWindow, NothingStoredShowsControlAltLAndNoAutostart)
{
    EXPECT_EQ(frmConfig.chkCtrl1.Value(), 1);
    EXPECT_EQ(frmConfig.chkAlt1.Value(), 1);
    EXPECT_EQ(frmConfig.chkShift1.Value(), 0);
    EXPECT_EQ(frmConfig.cboKey1.Text(), "L");
    EXPECT_EQ(frmConfig.Check1.Value(), 0);
}

TEST_F(ConfigWindow, TheKeyListHoldsLettersThenDigits)
{
    HWND combo = frmConfig.cboKey1.hWnd();
    ASSERT_EQ(frmConfig.cboKey1.ListCount(), 36);
    std::string items;
    for (int i = 0; i < 36; ++i) {
        char item[8] = {};
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        items += item;
    }
    EXPECT_EQ(items, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
}

TEST_F(ConfigWindow, TheAutostartBoxShowsOnlyAFlagThatRoundsToExactlyOne)
{
    const struct {
        const char* stored;
        int checked;
    } cases[] = {
        {"1", 1}, {"0", 0}, {"true", 0}, {"", 0},    {"2", 0},
        {"-1", 0}, {"1.4", 1}, {"1.5", 0}, {"0.5", 0},
        {"99999", 0},  // too large for its 16 bits: unchecked, and the window still opens
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        Store("start", "autoboot", c.stored);
        Store("Hotkey1", "Key", "Q");
        EXPECT_EQ(frmConfig.Check1.Value(), c.checked);
        EXPECT_EQ(frmConfig.cboKey1.Text(), "Q") << "the window was not filled";
        frmConfig.Unload();
    }
}

TEST_F(ConfigWindow, AModifierBoxIsCheckedByAnyNonzeroLeadingNumber)
{
    const struct {
        const char* stored;
        int checked;
    } cases[] = {
        {"0", 0}, {"", 0}, {"abc", 0}, {"1", 1}, {"2", 1}, {"-1", 1}, {"0.4", 1}, {"1e10", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        for (const char* key : {"Ctrl", "Alt", "Shift"}) Store("Hotkey1", key, c.stored);
        EXPECT_EQ(frmConfig.chkCtrl1.Value(), c.checked);
        EXPECT_EQ(frmConfig.chkAlt1.Value(), c.checked);
        EXPECT_EQ(frmConfig.chkShift1.Value(), c.checked);
        frmConfig.Unload();
    }
}

TEST_F(ConfigWindow, TheKeyBoxShowsTheStoredTextUnchanged)
{
    for (const char* stored : {"q", "F12", "", " x "}) {
        SCOPED_TRACE(stored);
        Store("Hotkey1", "Key", stored);
        EXPECT_EQ(frmConfig.cboKey1.Text(), stored);
        EXPECT_EQ(frmConfig.cboKey1.ListCount(), 36);
        frmConfig.Unload();
    }
}

TEST_F(ConfigWindow, ShowingItAgainKeepsTheSameWindowAndTheUsersChanges)
{
    frmConfig.Show();
    HWND first = frmConfig.hWnd();
    frmConfig.chkShift1.SetValue(1);
    frmConfig.cboKey1.SetText("Z");

    frmConfig.Show();
    EXPECT_EQ(frmConfig.hWnd(), first);
    EXPECT_EQ(frmConfig.cboKey1.ListCount(), 36) << "loaded a second time";
    EXPECT_EQ(frmConfig.chkShift1.Value(), 1);
    EXPECT_EQ(frmConfig.cboKey1.Text(), "Z");
}

TEST_F(ConfigWindow, CancelAndTheCloseBoxWriteNothingAndReopenFromTheStore)
{
    Store("Hotkey1", "Key", "M");
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Cancel");
        frmConfig.Show();
        frmConfig.chkCtrl1.SetValue(0);
        frmConfig.Check1.SetValue(1);
        frmConfig.cboKey1.SetText("Z");
        if (closeBox)
            SendMessageA(frmConfig.hWnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            Click(frmConfig.Command1);
        ASSERT_TRUE(PumpUntil([] { return !frmConfig.IsLoaded(); }));

        EXPECT_FALSE(Stored("Hotkey1", "Ctrl"));
        EXPECT_FALSE(Stored("start", "autoboot"));
        EXPECT_FALSE(Stored("default", "configured"));
        EXPECT_EQ(Stored("Hotkey1", "Key"), "M");

        EXPECT_EQ(frmConfig.chkCtrl1.Value(), 1);
        EXPECT_EQ(frmConfig.Check1.Value(), 0);
        EXPECT_EQ(frmConfig.cboKey1.Text(), "M");
        EXPECT_EQ(frmConfig.cboKey1.ListCount(), 36);
        frmConfig.Unload();
    }
}
