// The About and Support windows of the built program, opened from its real
// tray menu, with the browser and the System Information tool replaced by
// stand-ins that record what they are asked to do.

#include "e2e/ProgramDriver.h"
#include "e2e/Recorders.h"

#include "support/TestDesktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* AboutClass = "frmAbout";
constexpr const char* AboutCaption = "About Duradarudo";
constexpr const char* SupportClass = "frmSupport";
constexpr const char* SupportCaption = "Support Brimwick";
constexpr const char* HomePage = "https://www.brimwick.com";
constexpr const char* RecommendPage = "https://www.brimwick.com/recommend/";
constexpr const char* UnavailableText = "System Information Is Unavailable At This Time";
constexpr const char* PathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Menu items as the keyboard reaches them from the top; separators are skipped.
constexpr int AboutItem = 2;
constexpr int SupportItem = 4;

POINT ClientCorner(HWND window)
{
    POINT p{0, 0};
    ClientToScreen(window, &p);
    return p;
}

SIZE ClientSize(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

size_t WindowsOfClass(const char* windowClass)
{
    size_t count = 0;
    for (HWND w = FindWindowExA(nullptr, nullptr, windowClass, nullptr); w; w = FindWindowExA(nullptr, w, windowClass, nullptr))
        ++count;
    return count;
}

// A point of the window's frame where the system answers `hit` (HTMINBUTTON, ...).
POINT FramePart(HWND window, LRESULT hit)
{
    RECT r{};
    GetWindowRect(window, &r);
    for (LONG y = r.top; y < r.top + 40; y += 2)
        for (LONG x = r.right - 1; x > r.left; x -= 2) {
            DWORD_PTR answer = HTNOWHERE;
            SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, WaitBoundMs, &answer);
            if (static_cast<LRESULT>(answer) == hit) return {x, y};
        }
    return {r.left, r.top};
}

std::string TempFolder()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string folder = temp;
    return folder.substr(0, folder.size() - 1);
}

void PutValue(const char* key, const char* name, const std::optional<RegValue>& value)
{
    if (value)
        WriteValue(HKEY_LOCAL_MACHINE, key, name, value->type, value->data);
    else
        DeleteValue(HKEY_LOCAL_MACHINE, key, name);
}

// A configured program, started with its icon in the notification area.
class AboutAndSupport : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.StoreSetting("default", "configured", "true");
        program.Start();
        ASSERT_TRUE(IconShown(program.TrayIcon()));
    }

    // Chooses an item of the tray menu with the keyboard and waits for the window it shows.
    HWND Choose(int item, const char* windowClass, const char* caption)
    {
        mouse::Click(program.TrayIcon(), true);
        if (!program.WaitForPopupMenu()) return nullptr;
        for (int i = 0; i < item; ++i) PressChord(0, VK_DOWN);
        PressChord(0, VK_RETURN);
        HWND window = program.WaitForWindow(windowClass, caption);
        return window && PumpUntil([&] { return IsWindowVisible(window) != FALSE; }) ? window : nullptr;
    }

    ProgramDriver program;
};

}  // namespace

TEST_F(AboutAndSupport, AboutOpensAtItsPlaceItsLinkOpensTheHomePageAndEscapeOrEnterCloseIt)
{
    BrowserRecorder browser;
    HWND about = Choose(AboutItem, AboutClass, AboutCaption);
    ASSERT_TRUE(about);
    EXPECT_EQ(ClientCorner(about).x, 156);
    EXPECT_EQ(ClientCorner(about).y, 129);
    EXPECT_EQ(ClientSize(about).cx, 382);
    EXPECT_EQ(ClientSize(about).cy, 237);
    EXPECT_TRUE(controls::Find(about, "Static", "Duradarudo"));
    EXPECT_TRUE(controls::Find(about, "Static", "Version 2.0.0"));
    HWND ok = controls::Find(about, "Button", "OK");
    EXPECT_TRUE(PumpUntil([&] { return controls::FocusOf(about) == ok; })) << "OK has not the focus";
    EXPECT_TRUE(GetWindowLongA(ok, GWL_STYLE) & BS_DEFPUSHBUTTON);

    // Two clicks on the link, apart so that they are no double click.
    HWND link = controls::Find(about, "Static", "www.brimwick.com");
    ASSERT_TRUE(link);
    RECT r{};
    GetWindowRect(link, &r);
    for (size_t clicks = 1; clicks <= 2; ++clicks) {
        mouse::ClickAt({r.left + 10 + 40 * static_cast<LONG>(clicks), r.top + 6});
        EXPECT_TRUE(PumpUntil([&] { return browser.Opened().size() == clicks; }));
    }
    EXPECT_EQ(browser.Opened(), std::vector<std::string>(2, HomePage));

    // Moved, then About again: the one window stays where the user put it.
    SetWindowPos(about, nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const POINT moved = ClientCorner(about);
    EXPECT_EQ(Choose(AboutItem, AboutClass, AboutCaption), about);
    EXPECT_EQ(ClientCorner(about).x, moved.x);
    EXPECT_EQ(WindowsOfClass(AboutClass), 1u);

    // Escape closes it; opened again it is back at its place, and Enter closes it.
    PressChord(0, VK_ESCAPE);
    ASSERT_TRUE(program.WaitUntilGone(about));
    about = Choose(AboutItem, AboutClass, AboutCaption);
    ASSERT_TRUE(about);
    EXPECT_EQ(ClientCorner(about).x, 156);
    EXPECT_EQ(ClientCorner(about).y, 129);
    PressChord(0, VK_RETURN);
    EXPECT_TRUE(program.WaitUntilGone(about));
}

// The real start of a path with blanks; the other roads to the message are the
// in-process tests' part.
TEST_F(AboutAndSupport, SystemInfoStartsTheToolFoundWholeOrSaysItIsUnavailable)
{
    const std::optional<RegValue> savedPath = ReadValue(HKEY_LOCAL_MACHINE, PathKey, "PATH");
    const std::optional<RegValue> savedFolder = ReadValue(HKEY_LOCAL_MACHINE, FolderKey, "MSINFO");
    const std::string folder = TempFolder() + "\\Sys Info tool";
    ToolStandIn tool(folder + "\\MSINFO32.EXE");
    // Where a path split at its first blank would lead.
    ToolStandIn split(TempFolder() + "\\Sys.exe");

    HWND about = Choose(AboutItem, AboutClass, AboutCaption);
    ASSERT_TRUE(about);
    HWND sysInfo = controls::Find(about, "Button", "&System Info...");
    ASSERT_TRUE(sysInfo);

    const RegValue pathValue{REG_SZ, tool.Path() + '\0'};
    const RegValue folderValue{REG_SZ, folder + '\0'};
    const struct {
        const char* what;
        std::optional<RegValue> path, folder;
        bool started;
    } roads[] = {
        {"PATH names the tool", pathValue, std::nullopt, true},
        {"the folder holds the tool", std::nullopt, folderValue, true},
        {"neither value", std::nullopt, std::nullopt, false},
    };
    size_t starts = 0;
    for (const auto& road : roads) {
        SCOPED_TRACE(road.what);
        PutValue(PathKey, "PATH", road.path);
        PutValue(FolderKey, "MSINFO", road.folder);
        if (road.started) {
            controls::Click(sysInfo);
            ++starts;
            EXPECT_TRUE(PumpUntil([&] { return tool.Starts().size() == starts; })) << "the tool did not start";
        } else {
            controls::ClickAndGoOn(sysInfo);
            auto boxes = program.WaitForMessageBoxes(1);
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].caption, ProgramTitle);
            EXPECT_EQ(boxes[0].text, UnavailableText);
            program.Answer(boxes[0]);
        }
        EXPECT_TRUE(IsWindowVisible(about));
    }
    EXPECT_EQ(tool.Starts(), std::vector<std::string>(2, Quoted(tool.Path())));
    EXPECT_TRUE(split.Starts().empty());
    PutValue(PathKey, "PATH", savedPath);
    PutValue(FolderKey, "MSINFO", savedFolder);
}

TEST_F(AboutAndSupport, SupportOpensOnceAndEachClickOpensTheRecommendPage)
{
    BrowserRecorder browser;
    HWND support = Choose(SupportItem, SupportClass, SupportCaption);
    ASSERT_TRUE(support);
    EXPECT_EQ(ClientSize(support).cx, 515);
    EXPECT_EQ(ClientSize(support).cy, 277);
    HWND button = controls::Find(support, "Button", "Click here");
    EXPECT_TRUE(PumpUntil([&] { return controls::FocusOf(support) == button; })) << "Click here has not the focus";

    controls::Click(button);
    EXPECT_TRUE(PumpUntil([&] { return browser.Opened().size() == 1; }));
    controls::Click(button);
    EXPECT_TRUE(PumpUntil([&] { return browser.Opened().size() == 2; }));
    EXPECT_EQ(browser.Opened(), std::vector<std::string>(2, RecommendPage));

    EXPECT_EQ(Choose(SupportItem, SupportClass, SupportCaption), support);
    EXPECT_EQ(WindowsOfClass(SupportClass), 1u);
}

TEST_F(AboutAndSupport, AMinimisedSupportWindowComesBackOnItsCommandAsItWas)
{
    HWND support = Choose(SupportItem, SupportClass, SupportCaption);
    ASSERT_TRUE(support);
    mouse::ClickAt(FramePart(support, HTMINBUTTON));
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(support) != FALSE; })) << "the minimise button did not take";
    EXPECT_EQ(Choose(SupportItem, SupportClass, SupportCaption), support);
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(support) && GetForegroundWindow() == support; }));
    EXPECT_FALSE(IsZoomed(support));

    SendMessageTimeoutA(support, WM_SYSCOMMAND, SC_MAXIMIZE, 0, SMTO_NORMAL, WaitBoundMs, nullptr);
    SendMessageTimeoutA(support, WM_SYSCOMMAND, SC_MINIMIZE, 0, SMTO_NORMAL, WaitBoundMs, nullptr);
    ASSERT_TRUE(IsIconic(support));
    Choose(SupportItem, SupportClass, SupportCaption);
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(support) && IsZoomed(support); })) << "not maximised again";
}
