// The About window: where it stands, what it shows, how it closes, its link.

#include "about/frmAbout.h"
#include "support/MessageBoxWatcher.h"
#include "support/RecordedCalls.h"
#include "support/TestDesktop.h"
#include "support/TestRegistry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* HomePage = "https://www.brimwick.com";
constexpr POINT ClientCorner{156, 129};  // 2340, 1935 twips

struct Placement {
    forms::Control FrmAbout::*control;
    const char* text;  // null: not a text
    int left, top, width, height;  // pixels at 96 dpi: the designed twips / 15
};

constexpr Placement Placements[] = {
    {&FrmAbout::picIcon, nullptr, 16, 16, 32, 32},
    {&FrmAbout::cmdOK, "OK", 283, 175, 84, 23},
    {&FrmAbout::cmdSysInfo, "&System Info...", 284, 205, 83, 23},
    {&FrmAbout::Label1, "www.brimwick.com", 72, 96, 265, 25},
    {&FrmAbout::lblDescription, "Copyright (C) 2026 Brimwick. All rights reserved.", 70, 75, 259, 30},
    {&FrmAbout::lblTitle, "Duradarudo", 70, 16, 259, 32},
    {&FrmAbout::lblVersion, "Version 2.0.0", 70, 52, 259, 15},
};

RECT ClientRectOf(HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT ClientCornerOnScreen(HWND hwnd)
{
    POINT p{0, 0};
    ClientToScreen(hwnd, &p);
    return p;
}

// A real click of the left button at a point of the screen.
void ClickAt(POINT p)
{
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in[3]{};
    for (INPUT& i : in) i.type = INPUT_MOUSE;
    in[0].mi.dx = (p.x * 65535 + w / 2) / (w - 1);
    in[0].mi.dy = (p.y * 65535 + h / 2) / (h - 1);
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof(INPUT));
}

// No System Information tool is registered while a test runs, so its button
// ends in the message; whatever the prefix held is put back afterwards.
class NoSysInfoTool {
public:
    NoSysInfoTool()
        : path_(ReadValue(HKEY_LOCAL_MACHINE, PathKey, "PATH")), folder_(ReadValue(HKEY_LOCAL_MACHINE, FolderKey, "MSINFO"))
    {
        DeleteValue(HKEY_LOCAL_MACHINE, PathKey, "PATH");
        DeleteValue(HKEY_LOCAL_MACHINE, FolderKey, "MSINFO");
    }
    ~NoSysInfoTool()
    {
        if (path_) WriteValue(HKEY_LOCAL_MACHINE, PathKey, "PATH", path_->type, path_->data);
        if (folder_) WriteValue(HKEY_LOCAL_MACHINE, FolderKey, "MSINFO", folder_->type, folder_->data);
    }

private:
    static constexpr const char* PathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr const char* FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    std::optional<RegValue> path_, folder_;
};

class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override { frmAbout.Unload(); }
    void TearDown() override { frmAbout.Unload(); }

    static void ShowAndWaitForFocusOnOK()
    {
        frmAbout.Show();
        ASSERT_TRUE(PumpUntil([] { return GetFocus() == frmAbout.cmdOK.hWnd(); })) << "OK has not the focus";
    }
};

}  // namespace

TEST_F(AboutWindow, StandsAsDesignedAt96DpiWithItsEtchedRuleAndLink)
{
    ASSERT_EQ(forms::TwipsPerPixelX(), 15) << "the display is not at 96 dpi";
    ShowAndWaitForFocusOnOK();
    HWND hwnd = frmAbout.hWnd();

    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 382);
    EXPECT_EQ(client.bottom, 237);
    const POINT corner = ClientCornerOnScreen(hwnd);
    EXPECT_EQ(corner.x, ClientCorner.x);
    EXPECT_EQ(corner.y, ClientCorner.y);

    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) << "a fixed dialog frame";
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    for (const Placement& p : Placements) {
        forms::Control& control = frmAbout.*p.control;
        SCOPED_TRACE(p.text ? p.text : "picIcon");
        if (p.text) {
            EXPECT_EQ(control.Text(), p.text);
        }
        RECT r = ClientRectOf(control.hWnd());
        EXPECT_EQ(r.left, p.left);
        EXPECT_EQ(r.top, p.top);
        EXPECT_EQ(r.right - r.left, p.width);
        EXPECT_EQ(r.bottom - r.top, p.height);
    }
    EXPECT_TRUE(SendMessageA(frmAbout.picIcon.hWnd(), STM_GETICON, 0, 0)) << "the picture box shows no icon";
    EXPECT_TRUE(GetWindowLongA(frmAbout.cmdOK.hWnd(), GWL_STYLE) & BS_DEFPUSHBUTTON);

    // Tab runs OK, System Info, OK: neither the picture nor a label takes the focus.
    HWND next = GetNextDlgTabItem(hwnd, frmAbout.cmdOK.hWnd(), FALSE);
    EXPECT_EQ(next, frmAbout.cmdSysInfo.hWnd());
    EXPECT_EQ(GetNextDlgTabItem(hwnd, next, FALSE), frmAbout.cmdOK.hWnd());

    // The link: underlined, in the highlight colour; the other labels in their own.
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(frmAbout.Label1.hWnd(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_TRUE(font.lfUnderline);
    const struct {
        forms::Control FrmAbout::*label;
        COLORREF color;
    } colors[] = {
        {&FrmAbout::Label1, GetSysColor(COLOR_HIGHLIGHT)},
        {&FrmAbout::lblDescription, RGB(0, 0, 0)},
        {&FrmAbout::lblTitle, RGB(0, 0, 0)},
        {&FrmAbout::lblVersion, GetSysColor(COLOR_BTNTEXT)},
    };
    for (const auto& c : colors) {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageA(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>((frmAbout.*c.label).hWnd()));
        EXPECT_EQ(GetTextColor(dc), c.color) << (frmAbout.*c.label).Text();
        DeleteDC(dc);
    }

    // The etched rule: grey at 2445 twips, white below it, across the window.
    UpdateWindow(hwnd);
    HDC dc = GetDC(hwnd);
    for (int x : {7, 190, 375}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(GetPixel(dc, x, 163), RGB(0x80, 0x80, 0x80));
        EXPECT_EQ(GetPixel(dc, x, 164), RGB(0xFF, 0xFF, 0xFF));
        EXPECT_EQ(GetPixel(dc, x, 166), GetSysColor(COLOR_BTNFACE));
    }
    ReleaseDC(hwnd, dc);
}

TEST_F(AboutWindow, IsFilledInBeforeItFirstShowsAndOpensAtItsPlaceAfterAMove)
{
    frmAbout.Load();
    EXPECT_FALSE(frmAbout.Visible());
    EXPECT_EQ(frmAbout.Caption(), "About Duradarudo");
    EXPECT_EQ(frmAbout.lblTitle.Text(), "Duradarudo");
    EXPECT_EQ(frmAbout.lblVersion.Text(), "Version 2.0.0");

    // The user moves it and closes it: it opens again at its place, filled again.
    frmAbout.Show();
    SetWindowPos(frmAbout.hWnd(), nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    frmAbout.lblTitle.SetText("changed");
    frmAbout.Unload();
    frmAbout.Show();
    const POINT corner = ClientCornerOnScreen(frmAbout.hWnd());
    EXPECT_EQ(corner.x, ClientCorner.x);
    EXPECT_EQ(corner.y, ClientCorner.y);
    EXPECT_EQ(frmAbout.lblTitle.Text(), "Duradarudo");
}

TEST_F(AboutWindow, ASecondShowKeepsTheOneWindowWhereTheUserLeftIt)
{
    frmAbout.Show();
    HWND first = frmAbout.hWnd();
    SetWindowPos(first, nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const POINT moved = ClientCornerOnScreen(first);
    frmAbout.lblTitle.SetText("changed");

    frmAbout.Show();
    EXPECT_EQ(frmAbout.hWnd(), first);
    const POINT now = ClientCornerOnScreen(first);
    EXPECT_EQ(now.x, moved.x);
    EXPECT_EQ(now.y, moved.y);
    EXPECT_EQ(frmAbout.lblTitle.Text(), "changed") << "the window was loaded again";
    EXPECT_EQ(FindWindowExA(nullptr, first, "frmAbout", nullptr), nullptr) << "a second About window";
}

TEST_F(AboutWindow, OKEscapeAndEnterCloseItButEnterOnSystemInfoPressesThat)
{
    const NoSysInfoTool noTool;
    MessageBoxWatcher boxes;

    ShowAndWaitForFocusOnOK();
    SendMessageA(frmAbout.cmdOK.hWnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(frmAbout.IsLoaded()) << "OK";

    for (WORD key : {VK_ESCAPE, VK_RETURN}) {
        ShowAndWaitForFocusOnOK();
        PressChord(0, key);
        EXPECT_TRUE(PumpUntil([] { return !frmAbout.IsLoaded(); })) << "key " << key;
    }

    // The focus on System Info, as a click leaves it: Enter presses that
    // button, and so does Alt+S from OK. The window stays open.
    ShowAndWaitForFocusOnOK();
    SetFocus(frmAbout.cmdSysInfo.hWnd());
    PressChord(0, VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes().size() == 1; })) << "Enter did not press System Info";
    SetFocus(frmAbout.cmdOK.hWnd());
    PressChord(MOD_ALT, 'S');
    ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes().size() == 2; })) << "Alt+S did not press System Info";
    EXPECT_TRUE(frmAbout.IsLoaded());
    EXPECT_EQ(boxes.Boxes()[0].text, "System Information Is Unavailable At This Time");
}

TEST_F(AboutWindow, EachClickOnTheLinkOpensTheHomePageOnceAndTheWindowStays)
{
    ShellExecuteRecorder shell;
    ShowAndWaitForFocusOnOK();

    // Where the link's text lies within the copyright label's box too: the
    // link lies on top and takes the click. Two places, so that the two
    // clicks are never one double click.
    RECT link;
    GetWindowRect(frmAbout.Label1.hWnd(), &link);
    const int y = link.top + 5;
    for (int x : {link.left + 10, link.left + 60}) {
        const size_t before = shell.Requests().size();
        ClickAt({x, y});
        ASSERT_TRUE(PumpUntil([&] { return shell.Requests().size() > before; })) << "the click opened nothing";
    }
    ASSERT_EQ(shell.Requests().size(), 2u);
    for (const ShellRequest& r : shell.Requests()) {
        EXPECT_EQ(r.owner, frmAbout.hWnd());
        EXPECT_EQ(r.operation, "OPEN");
        EXPECT_EQ(r.file, HomePage);
        EXPECT_TRUE(r.parametersNull);
        EXPECT_EQ(r.directory, "");
        EXPECT_FALSE(r.directoryNull);
        EXPECT_EQ(r.show, SW_SHOWNORMAL);
    }
    EXPECT_TRUE(frmAbout.Visible());
}
