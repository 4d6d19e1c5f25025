// The Support window in-process: its controls and the request its button makes.
// Its size, focus, the pages opened and a second Support command are seen from
// outside, in the end-to-end tests.

#include "about/frmSupport.h"
#include "support/ImportPatch.h"
#include "support/WindowGeometry.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* Appeal =
    "If you like my work and want to show some support or thanks, The best (free) way to do this, is simply? to "
    "recommend Brimwick to a friend! It will only take a few moments of your time, and would mean the world to "
    "me! A personal recommendation is worth more than $$$";

// Each control's text, place in pixels at 96 dpi (the designed twips / 15) and font height.
constexpr struct {
    forms::Control FrmSupport::*control;
    const char* text;
    RECT place;
    LONG fontHeight;
} Placements[] = {
    {&FrmSupport::Command1, "Click here", {312, 160, 497, 217}, -20},       // 15 pt
    {&FrmSupport::Label2, "To recommend now!", {312, 232, 497, 265}, -16},  // 12 pt
    {&FrmSupport::Label1, Appeal, {16, 16, 505, 153}, -18},                 // 13.5 pt
};

class SupportWindow : public ::testing::Test {
protected:
    void SetUp() override { frmSupport.Unload(); }
    void TearDown() override { frmSupport.Unload(); }
};

}  // namespace

TEST_F(SupportWindow, StandsAsDesignedAndNothingMovesOnResize)
{
    ASSERT_EQ(forms::TwipsPerPixelX(), 15) << "the display is not at 96 dpi";
    frmSupport.Show();
    HWND hwnd = frmSupport.hWnd();
    constexpr LONG Boxes = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU;
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & Boxes, Boxes);

    for (bool resized : {false, true}) {
        if (resized) SetWindowPos(hwnd, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
        for (const auto& p : Placements) {
            SCOPED_TRACE(testing::Message() << p.text << (resized ? ", resized" : ""));
            HWND control = (frmSupport.*p.control).hWnd();
            EXPECT_EQ((frmSupport.*p.control).Text(), p.text);
            EXPECT_EQ(PlaceOf(control), p.place);
            LOGFONTA font{};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
            EXPECT_EQ(font.lfHeight, p.fontHeight);
        }
    }

    EXPECT_EQ(GetWindowLongA(frmSupport.Label1.hWnd(), GWL_STYLE) & SS_TYPEMASK, SS_LEFT) << "left-aligned, wrapped";
}

TEST_F(SupportWindow, ClickHereAsksTheShellToOpenTheRecommendPageForItsWindow)
{
    FakeShellExecute shell;
    frmSupport.Show();
    SendMessageA(frmSupport.Command1.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(shell.Calls(),
              (std::vector<ShellExecuteCall>{
                  {frmSupport.hWnd(), "OPEN", "https://www.brimwick.com/recommend/", true, false, SW_SHOWNORMAL, ""}}));
    EXPECT_TRUE(frmSupport.Visible());
}
