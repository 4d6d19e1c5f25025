// The About window in-process: its controls, what it fills in before it shows,
// its buttons and its link. Its place, size, Escape and Enter, and a second
// About command are seen from outside, in the end-to-end tests.

#include "about/AboutIcon.h"
#include "about/frmAbout.h"
#include "platform/Icons.h"
#include "support/IconPixels.h"
#include "support/MessageBoxWatcher.h"
#include "support/ImportPatch.h"
#include "support/TestDesktop.h"
#include "support/WindowGeometry.h"

#include <gtest/gtest.h>

namespace {

// Each control's text and its place in pixels at 96 dpi: the designed twips / 15.
constexpr struct {
    forms::Control FrmAbout::*control;
    const char* text;
    RECT place;
} Placements[] = {
    {&FrmAbout::picIcon, "", {16, 16, 48, 48}},
    {&FrmAbout::cmdOK, "OK", {283, 175, 367, 198}},
    {&FrmAbout::cmdSysInfo, "&System Info...", {284, 205, 367, 228}},
    {&FrmAbout::Label1, "www.brimwick.com", {72, 96, 337, 121}},
    {&FrmAbout::lblDescription, "Copyright (C) 2026 Brimwick", {70, 75, 329, 96}},  // ends where the link begins
    {&FrmAbout::lblTitle, "Duradarudo", {70, 16, 329, 48}},
    {&FrmAbout::lblVersion, "Version 2.0.0", {70, 52, 329, 67}},
};

class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override { frmAbout.Unload(); }
    void TearDown() override { frmAbout.Unload(); }

    static void ShowWithFocusOnOK()
    {
        frmAbout.Show();
        ASSERT_TRUE(PumpUntil([] { return GetFocus() == frmAbout.cmdOK.hWnd(); })) << "OK has not the focus";
    }
};

}  // namespace

TEST_F(AboutWindow, ItsControlsStandAsDesignedAt96DpiWithTheEtchedRuleAndTheLabelEndingAtTheLink)
{
    ASSERT_EQ(forms::TwipsPerPixelX(), 15) << "the display is not at 96 dpi";
    ShowWithFocusOnOK();
    HWND hwnd = frmAbout.hWnd();
    EXPECT_FALSE(GetWindowLongA(hwnd, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    for (const auto& p : Placements) {
        SCOPED_TRACE(p.text);
        EXPECT_EQ((frmAbout.*p.control).Text(), p.text);
        EXPECT_EQ(PlaceOf((frmAbout.*p.control).hWnd()), p.place);
    }
    EXPECT_TRUE(SendMessageA(frmAbout.picIcon.hWnd(), STM_GETICON, 0, 0)) << "the picture box shows no icon";
    // Tab runs OK, System Info, OK: neither the picture nor a label takes the focus.
    HWND next = GetNextDlgTabItem(hwnd, frmAbout.cmdOK.hWnd(), FALSE);
    EXPECT_EQ(next, frmAbout.cmdSysInfo.hWnd());
    EXPECT_EQ(GetNextDlgTabItem(hwnd, next, FALSE), frmAbout.cmdOK.hWnd());

    // The link is underlined and drawn in the highlight colour.
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(frmAbout.Label1.hWnd(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_TRUE(font.lfUnderline);
    HDC memory = CreateCompatibleDC(nullptr);
    SendMessageA(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(memory),
                 reinterpret_cast<LPARAM>(frmAbout.Label1.hWnd()));
    EXPECT_EQ(GetTextColor(memory), GetSysColor(COLOR_HIGHLIGHT));
    DeleteDC(memory);

    // The etched rule: grey at 2445 twips with white just below, across the window.
    UpdateWindow(hwnd);
    HDC dc = GetDC(hwnd);
    for (int x : {7, 375}) {
        EXPECT_EQ(GetPixel(dc, x, 163), RGB(0x80, 0x80, 0x80)) << x;
        EXPECT_EQ(GetPixel(dc, x, 164), RGB(0xFF, 0xFF, 0xFF)) << x;
    }
    ReleaseDC(hwnd, dc);
}

TEST_F(AboutWindow, IsFilledInBeforeItFirstShows)
{
    frmAbout.Load();
    EXPECT_FALSE(frmAbout.Visible());
    EXPECT_EQ(frmAbout.Caption(), "About Duradarudo");
    EXPECT_EQ(frmAbout.lblTitle.Text(), "Duradarudo");
    EXPECT_EQ(frmAbout.lblVersion.Text(), "Version 2.0.0");
}

TEST_F(AboutWindow, CarriesItsOwnIconAndPicturesTheApplicationIcon)
{
    const int bigSize = GetSystemMetrics(SM_CXICON);
    EXPECT_EQ(PixelsOf(frmAbout.Icon()), PixelsOf(forms::IconFromData(AboutIcon, bigSize).get()));
    forms::OwnedIcon appIcon(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
    EXPECT_EQ(PixelsOf(reinterpret_cast<HICON>(SendMessageA(frmAbout.picIcon.hWnd(), STM_GETICON, 0, 0))),
              PixelsOf(appIcon.get()));
}

TEST_F(AboutWindow, OKClosesItAndEnterOnSystemInfoOrAltSPressesThat)
{
    ShowWithFocusOnOK();
    SendMessageA(frmAbout.cmdOK.hWnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(frmAbout.IsLoaded()) << "OK";

    // With the focus on System Info, as a click leaves it, Enter presses that
    // button; so does Alt+S from OK. Either starts the tool or tells it is
    // unavailable, and the window stays.
    FakeCreateProcess starts;
    MessageBoxWatcher boxes;
    auto pressed = [&] { return starts.Calls().size() + boxes.Boxes().size(); };
    ShowWithFocusOnOK();
    SetFocus(frmAbout.cmdSysInfo.hWnd());
    PressChord(0, VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return pressed() == 1; })) << "Enter did not press System Info";
    SetFocus(frmAbout.cmdOK.hWnd());
    PressChord(MOD_ALT, 'S');
    EXPECT_TRUE(PumpUntil([&] { return pressed() == 2; })) << "Alt+S did not press System Info";
    EXPECT_TRUE(frmAbout.IsLoaded());
}

TEST_F(AboutWindow, TheLinkAsksTheShellToOpenTheHomePageForItsWindow)
{
    FakeShellExecute shell;
    ShowWithFocusOnOK();
    SendMessageA(frmAbout.Label1.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(frmAbout.Label1.hWnd(), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(shell.Calls(), (std::vector<ShellExecuteCall>{
                                 {frmAbout.hWnd(), "OPEN", "https://www.brimwick.com", true, false, SW_SHOWNORMAL, ""}}));
    EXPECT_TRUE(frmAbout.Visible());
}
