#include "platform/Conversions.h"
#include "platform/Form.h"
#include "support/ProcessWindows.h"
#include "support/TestDesktop.h"

#include <gtest/gtest.h>

namespace {

enum { IdButton = 100, IdCheck, IdCombo };

constexpr forms::ControlLayout Controls[] = {
    {IdCheck, forms::ControlKind::CheckBox, "Check", 120, 120, 1200, 300, 1},
    {IdButton, forms::ControlKind::CommandButton, "Button", 120, 600, 1200, 400, 0},
    {IdCombo, forms::ControlKind::ComboDropDown, "", 1500, 120, 975, 315, 2},
};
constexpr forms::FormLayout Layout{"TestForm", "Test form", 4500, 2250, forms::BorderStyle::FixedSingle, false, false,
                                 Controls};

class TestForm : public forms::Form {
public:
    TestForm() : Form(Layout), Button(*this, IdButton), Check(*this, IdCheck), Combo(*this, IdCombo) {}
    forms::Control Button, Check, Combo;
    int loads = 0, unloads = 0, clicks = 0;
    bool cancelUnload = false;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload(int16_t& cancel) override
    {
        ++unloads;
        if (cancelUnload) cancel = 1;
    }
    void Control_Click(int id) override { clicks += id == IdButton; }
};

class FormLifecycle : public ::testing::Test {
protected:
    void TearDown() override
    {
        form.cancelUnload = false;
        form.Unload();
    }
    TestForm form;
};

}  // namespace

TEST_F(FormLifecycle, TouchingTheFormLoadsItOnce)
{
    EXPECT_FALSE(form.IsLoaded());
    HWND hwnd = form.hWnd();
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(form.loads, 1);
    EXPECT_FALSE(form.Visible());  // loaded, not shown
    form.Check.SetValue(1);
    form.Load();
    EXPECT_EQ(form.hWnd(), hwnd);
    EXPECT_EQ(form.loads, 1);
}

TEST_F(FormLifecycle, TouchingAControlLoadsTheForm)
{
    form.Combo.AddItem("A");
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(form.Combo.ListCount(), 1);
}

TEST_F(FormLifecycle, ShowNeverOpensASecondWindow)
{
    form.Show();
    HWND first = form.hWnd();
    form.Check.SetValue(1);
    form.Show();
    EXPECT_EQ(form.hWnd(), first);
    EXPECT_EQ(form.loads, 1);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.Check.Value(), 1);  // the open window keeps its state
    EXPECT_EQ(WindowsOf(GetCurrentProcessId(), "TestForm").size(), 1u);
}

TEST_F(FormLifecycle, UnloadDestroysTheWindowAndALaterTouchLoadsAfresh)
{
    HWND first = form.hWnd();
    form.Check.SetValue(1);
    form.Unload();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(IsWindow(first));

    EXPECT_EQ(form.Check.Value(), 0);  // a fresh window, on design values
    EXPECT_EQ(form.loads, 2);
}

TEST_F(FormLifecycle, AnUnloadThatIsCancelledKeepsTheWindow)
{
    form.Load();
    form.cancelUnload = true;
    form.Unload();
    EXPECT_TRUE(form.IsLoaded());
}

TEST_F(FormLifecycle, TheCloseBoxUnloads)
{
    form.Show();
    SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.unloads, 1);
}

TEST_F(FormLifecycle, ClicksReachTheFormsHandler)
{
    form.Show();
    SendMessageA(form.Button.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.clicks, 1);
}

TEST_F(FormLifecycle, ShowingPutsTheFocusOnTheFirstControlInTabOrder)
{
    form.Show();
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == form.Button.hWnd(); }));
}

TEST_F(FormLifecycle, TheClientAreaHasTheDesignedSize)
{
    RECT client;
    GetClientRect(form.hWnd(), &client);
    EXPECT_EQ(client.right, 4500 / forms::TwipsPerPixelX());
    EXPECT_EQ(client.bottom, 2250 / forms::TwipsPerPixelY());
    RECT combo;
    GetWindowRect(form.Combo.hWnd(), &combo);
    EXPECT_EQ(combo.bottom - combo.top, 315 / forms::TwipsPerPixelY());
}

int CALLBACK NoteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Without Wine's own fonts in the prefix the caption buttons show as letters and
// the forms' "MS Sans Serif" is drawn in a wider stand-in; they come as one set,
// so Marlett, which has no stand-in, tells whether the set is there.
TEST(Fonts, WinesCaptionButtonFaceIsInstalled)
{
    LOGFONTA marlett{};
    marlett.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(marlett.lfFaceName, "Marlett", LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &marlett, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(found) << "Marlett is missing: scripts/wine-env.sh copies Wine's fonts into the prefix";
}

void CALLBACK QuitLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(1); }

TEST(MessageLoop, EndsWhenNoFormIsLoaded)
{
    TestForm form;
    form.SetVisible(false);
    PostMessageA(form.hWnd(), WM_CLOSE, 0, 0);
    // A bound, so that a loop that never ends fails instead of hanging.
    UINT_PTR guard = SetTimer(nullptr, 0, 10000, QuitLoop);
    forms::RunMessageLoop();
    KillTimer(nullptr, guard);
    EXPECT_FALSE(form.IsLoaded());
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the loop ran into its bound";
}

TEST(UnhandledError, ShowsTheErrorCaptionedWithTheTitleThenEndsTheProgram)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string probe = self;
    probe = probe.substr(0, probe.find_last_of('\\') + 1) + "runtime_probe.exe";

    ChildProcess child(forms::AnsiToWide(probe));
    HWND box = WaitForWindowOf(child.Id(), "#32770", "Duradarudo");
    ASSERT_TRUE(box) << "no error box";
    EXPECT_EQ(MessageBoxText(box), "Run-time error '6':\n\nOverflow");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(child.WaitForExit(15000));
    EXPECT_EQ(child.ExitCode(), 0u) << "the program went on after the error";
}
