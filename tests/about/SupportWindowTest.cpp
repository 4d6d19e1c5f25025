// The Support window: its layout, its appeal, and the page its button opens.

#include "about/frmSupport.h"
#include "support/RecordedCalls.h"
#include "support/TestDesktop.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* Appeal =
    "If you like my work and want to show some support or thanks, The best (free) way to do this, is simply? to "
    "recommend Brimwick to a friend! It will only take a few moments of your time, and would mean the world to "
    "me! A personal recommendation is worth more than $$$";

struct Placement {
    forms::Control FrmSupport::*control;
    const char* text;
    int left, top, width, height;  // pixels at 96 dpi: the designed twips / 15
    int fontHeight;                // the font's height in pixels at 96 dpi
};

constexpr Placement Placements[] = {
    {&FrmSupport::Command1, "Click here", 312, 160, 185, 57, -20},        // 15 pt
    {&FrmSupport::Label2, "To recommend now!", 312, 232, 185, 33, -16},   // 12 pt
    {&FrmSupport::Label1, Appeal, 16, 16, 489, 137, -18},                 // 13.5 pt
};

RECT ClientRectOf(HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class SupportWindow : public ::testing::Test {
protected:
    void SetUp() override { frmSupport.Unload(); }
    void TearDown() override { frmSupport.Unload(); }
};

}  // namespace

TEST_F(SupportWindow, StandsAsDesignedWithTheAppealWrappedInItsBoxAndStaysPutWhenResized)
{
    ASSERT_EQ(forms::TwipsPerPixelX(), 15) << "the display is not at 96 dpi";
    frmSupport.Show();
    HWND hwnd = frmSupport.hWnd();
    EXPECT_EQ(frmSupport.Caption(), "Support Brimwick");
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 515);
    EXPECT_EQ(client.bottom, 277);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU),
              WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU);
    ASSERT_TRUE(PumpUntil([] { return GetFocus() == frmSupport.Command1.hWnd(); })) << "focus is not on Click here";

    for (int size : {0, 1, 2}) {  // as designed, then larger, then smaller than designed
        if (size) SetWindowPos(hwnd, nullptr, 0, 0, size == 1 ? 900 : 200, size == 1 ? 700 : 150,
                               SWP_NOMOVE | SWP_NOZORDER);
        for (const Placement& p : Placements) {
            SCOPED_TRACE(testing::Message() << p.text << " at size " << size);
            HWND control = (frmSupport.*p.control).hWnd();
            EXPECT_EQ((frmSupport.*p.control).Text(), p.text);
            RECT r = ClientRectOf(control);
            EXPECT_EQ(r.left, p.left);
            EXPECT_EQ(r.top, p.top);
            EXPECT_EQ(r.right - r.left, p.width);
            EXPECT_EQ(r.bottom - r.top, p.height);
            LOGFONTA font{};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
            EXPECT_EQ(font.lfHeight, p.fontHeight);
            EXPECT_FALSE(font.lfUnderline);
        }
    }

    // The appeal needs several lines at its box's width, and they all fit in the box.
    HWND appeal = frmSupport.Label1.hWnd();
    HDC dc = GetDC(appeal);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(appeal, WM_GETFONT, 0, 0)));
    RECT text{0, 0, 489, 0};
    const int height = DrawTextA(dc, Appeal, -1, &text, DT_CALCRECT | DT_WORDBREAK | DT_LEFT);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(appeal, dc);
    EXPECT_GE(height, 3 * metrics.tmHeight);
    EXPECT_LE(height, 137);
    EXPECT_FALSE(GetWindowLongA(appeal, GWL_STYLE) & (SS_CENTER | SS_RIGHT | SS_LEFTNOWORDWRAP)) << "left, wrapped";
}

TEST_F(SupportWindow, EachClickOpensTheRecommendPageOnceInTheOneWindow)
{
    ShellExecuteRecorder shell;
    frmSupport.Show();
    HWND first = frmSupport.hWnd();
    for (int click = 0; click < 2; ++click) SendMessageA(frmSupport.Command1.hWnd(), BM_CLICK, 0, 0);

    ASSERT_EQ(shell.Requests().size(), 2u);
    for (const ShellRequest& r : shell.Requests()) {
        EXPECT_EQ(r.owner, first);
        EXPECT_EQ(r.operation, "OPEN");
        EXPECT_EQ(r.file, "https://www.brimwick.com/recommend/");
        EXPECT_TRUE(r.parametersNull);
        EXPECT_EQ(r.directory, "");
        EXPECT_FALSE(r.directoryNull);
        EXPECT_EQ(r.show, SW_SHOWNORMAL);
    }

    frmSupport.Show();
    EXPECT_EQ(frmSupport.hWnd(), first);
    EXPECT_TRUE(frmSupport.Visible());
    EXPECT_EQ(FindWindowExA(nullptr, first, "frmSupport", nullptr), nullptr) << "a second Support window";
}
