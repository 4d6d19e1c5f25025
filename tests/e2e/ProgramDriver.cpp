#include "e2e/ProgramDriver.h"

#include "platform/App.h"
#include "platform/Conversions.h"
#include "platform/SettingsStore.h"
#include "support/BuiltProgram.h"
#include "support/TestDesktop.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr const char* StandaloneTrayClass = "__winex11_standalone_tray";
constexpr const char* TrayIconClass = "__winex11_tray_icon";
// Away from the top left, where the program's windows open and would cover it.
constexpr POINT StandaloneTrayPlace{900, 700};

std::wstring TestFolder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = temp + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

// Taken apart as the program does, so that names in a double-byte code page
// stay whole.
std::string BaseName(const std::string& fileName) { return forms::App::SplitPath(fileName).baseName; }

std::string ClassOf(HWND hwnd)
{
    char cls[256] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    return cls;
}

// A message sent to another thread is handled only when that thread pumps
// messages, so the reply means the program has come back to a message loop.
bool Answers(HWND window, DWORD timeoutMs)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

std::vector<HWND> TrayIconWindows()
{
    std::vector<HWND> icons;
    for (HWND tray = FindWindowExA(nullptr, nullptr, StandaloneTrayClass, nullptr); tray;
         tray = FindWindowExA(nullptr, tray, StandaloneTrayClass, nullptr))
        for (HWND icon = FindWindowExA(tray, nullptr, TrayIconClass, nullptr); icon;
             icon = FindWindowExA(tray, icon, TrayIconClass, nullptr))
            if (IsWindowVisible(icon)) icons.push_back(icon);
    return icons;
}

void MoveStandaloneTray()
{
    if (HWND tray = FindWindowA(StandaloneTrayClass, nullptr))
        SetWindowPos(tray, nullptr, StandaloneTrayPlace.x, StandaloneTrayPlace.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

ProgramDriver::ProgramDriver(const std::string& fileName, const std::wstring& folderName)
    : folder_(TestFolder(folderName)), exePath_(folder_ + L"\\" + forms::AnsiToWide(fileName)), appName_(BaseName(fileName))
{
    if (!CopyFileW(forms::AnsiToWide(BuiltProgramPath()).c_str(), exePath_.c_str(), FALSE))
        throw std::runtime_error("cannot copy the program to " + ExePath() + ": error " +
                                 std::to_string(GetLastError()));
    ForgetEverything();
}

ProgramDriver::~ProgramDriver()
{
    Kill();
    ForgetEverything();
    DeleteFileW(exePath_.c_str());
    RemoveDirectoryW(folder_.c_str());  // once the last copy is gone
}

void ProgramDriver::ForgetEverything() const
{
    ForgetSettings(appName_);
    DeleteValue(HKEY_CURRENT_USER, RunKey, appName_.c_str());
}

void ProgramDriver::Start()
{
    process_.reset();  // a copy still running would hold the chord
    const std::vector<HWND> iconsBefore = TrayIconWindows();
    process_ = std::make_unique<ChildProcess>(exePath_, folder_);
    HWND hotkeyWindow = WaitForWindow(HotkeyWindowClass, HotkeyWindowCaption);
    if (!hotkeyWindow) throw std::runtime_error("the program showed no hotkey window");
    // Its start-up runs before the program's first message loop.
    if (!Answers(hotkeyWindow, WaitBoundMs)) throw std::runtime_error("the program does not answer");
    WaitForNewTrayIcon(iconsBefore);
}

// The notification area shows a new icon in its own time.
bool ProgramDriver::WaitForNewTrayIcon(const std::vector<HWND>& iconsBefore)
{
    trayIcon_ = nullptr;
    PumpUntil([&] {
        for (HWND icon : TrayIconWindows())
            if (std::find(iconsBefore.begin(), iconsBefore.end(), icon) == iconsBefore.end()) trayIcon_ = icon;
        return trayIcon_ != nullptr;
    }, WaitBoundMs);
    MoveStandaloneTray();
    return trayIcon_ != nullptr;
}

bool ProgramDriver::WaitForTrayIconBack()
{
    return PumpUntil([&] { return !IconShown(trayIcon_); }) && WaitForNewTrayIcon({});
}

void ProgramDriver::ChooseExit() const
{
    mouse::Click(trayIcon_, true);
    HWND menu = WaitForPopupMenu();
    if (!menu) return;
    RECT r{};
    GetWindowRect(menu, &r);
    mouse::ClickAt({r.left + 20, r.bottom - 8});
}

void ProgramDriver::Kill() { process_.reset(); }

bool ProgramDriver::IsRunning() const
{
    return process_ && WaitForSingleObject(process_->Handle(), 0) == WAIT_TIMEOUT;
}

bool ProgramDriver::WaitForExit(DWORD timeoutMs) const { return process_ && process_->WaitForExit(timeoutMs); }

// The menu takes the mouse only once its loop runs, which shows as the
// thread's capture in menu mode; a click before that would go past it.
bool TracksMenu(HWND menu)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(menu, nullptr), &info) && (info.flags & GUI_INMENUMODE) &&
           info.hwndCapture;
}

HWND ProgramDriver::WaitForPopupMenu(DWORD timeoutMs) const
{
    HWND menu = nullptr;
    PumpUntil([&] {
        for (HWND candidate : process_ ? WindowsOf(process_->Id(), PopupMenuClass) : std::vector<HWND>{})
            if (IsWindowVisible(candidate) && TracksMenu(candidate)) menu = candidate;
        return menu != nullptr;
    }, timeoutMs);
    return menu;
}

HWND ProgramDriver::WaitForWindow(const std::string& className, const std::string& caption, DWORD timeoutMs) const
{
    return process_ ? WaitForWindowOf(process_->Id(), className, caption, timeoutMs) : nullptr;
}

bool ProgramDriver::HasWindow(const std::string& className, const std::string& caption) const
{
    return process_ && !WindowsOf(process_->Id(), className, caption).empty();
}

bool ProgramDriver::WaitUntilGone(HWND window, DWORD timeoutMs) const
{
    return PumpUntil([&] { return !IsWindow(window); }, timeoutMs);
}

std::vector<MessageBoxSeen> ProgramDriver::MessageBoxes() const
{
    std::vector<MessageBoxSeen> boxes;
    if (!process_) return boxes;
    for (HWND box : WindowsOf(process_->Id(), "#32770"))
        boxes.push_back({box, TextOf(box), MessageBoxText(box)});
    return boxes;
}

std::vector<MessageBoxSeen> ProgramDriver::WaitForMessageBoxes(size_t count, DWORD timeoutMs) const
{
    std::vector<MessageBoxSeen> boxes;
    PumpUntil([&] {
        boxes = MessageBoxes();
        return boxes.size() >= count;
    }, timeoutMs);
    return boxes;
}

bool ProgramDriver::Answer(const MessageBoxSeen& box) const
{
    HWND ok = GetDlgItem(box.hwnd, IDOK);
    if (!ok) return false;
    controls::ClickAndGoOn(ok);
    return WaitUntilGone(box.hwnd);
}

std::optional<std::string> ProgramDriver::Setting(const std::string& section, const std::string& key) const
{
    return StoredSetting(appName_, section, key);
}

void ProgramDriver::StoreSetting(const std::string& section, const std::string& key, const std::string& text) const
{
    ::StoreSetting(appName_, section, key, text);
}

bool ProgramDriver::HasAnySetting() const
{
    HKEY key = nullptr;
    const std::string path = std::string(forms::SettingsRoot) + "\\" + appName_;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::optional<RegValue> ProgramDriver::RunValue() const
{
    return ReadValue(HKEY_CURRENT_USER, RunKey, appName_.c_str());
}

// --- controls ---------------------------------------------------------------

namespace controls {

namespace {

struct ChildSearch {
    const std::string* className;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM param)
{
    auto& s = *reinterpret_cast<ChildSearch*>(param);
    if (ClassOf(hwnd) != *s.className) return TRUE;
    if (!s.caption->empty() && TextOf(hwnd) != *s.caption) return TRUE;
    s.found = hwnd;
    return FALSE;
}

}  // namespace

HWND Find(HWND parent, const std::string& className, const std::string& caption)
{
    ChildSearch s{&className, &caption, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool IsChecked(HWND button)
{
    DWORD_PTR state = 0;
    SendMessageTimeoutA(button, BM_GETCHECK, 0, 0, SMTO_NORMAL, WaitBoundMs, &state);
    return state == BST_CHECKED;
}

void Click(HWND button)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, WaitBoundMs, &result);
}

void ClickAndGoOn(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

HWND FocusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

void SetText(HWND control, const std::string& text)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, WaitBoundMs,
                        &result);
}

// The system carries the item's text back from the other process, as it does
// for WM_GETTEXT; the buffer is sized by the item's length first.
std::vector<std::string> ComboItems(HWND combo)
{
    auto send = [combo](UINT message, WPARAM wParam, LPARAM lParam) {
        DWORD_PTR result = static_cast<DWORD_PTR>(CB_ERR);
        SendMessageTimeoutA(combo, message, wParam, lParam, SMTO_NORMAL, WaitBoundMs, &result);
        return static_cast<LRESULT>(result);
    };
    std::vector<std::string> items;
    const LRESULT count = send(CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = send(CB_GETLBTEXTLEN, i, 0);
        if (length < 0) break;
        std::string item(static_cast<size_t>(length) + 1, '\0');
        const LRESULT copied = send(CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
        items.push_back(item);
    }
    return items;
}

}  // namespace controls

namespace mouse {

namespace {

void Buttons(bool right, int clicks)
{
    std::vector<INPUT> inputs;
    for (int i = 0; i < clicks; ++i)
        for (DWORD flags : {right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN,
                            right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP}) {
            INPUT in{};
            in.type = INPUT_MOUSE;
            in.mi.dwFlags = flags;
            inputs.push_back(in);
        }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

POINT Middle(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace

void ClickAt(POINT at, bool right)
{
    SetCursorPos(at.x, at.y);
    Buttons(right, 1);
}

void Click(HWND window, bool right) { ClickAt(Middle(window), right); }

void DoubleClick(HWND window)
{
    const POINT at = Middle(window);
    SetCursorPos(at.x, at.y);
    Buttons(false, 2);
}

}  // namespace mouse

bool IconShown(HWND icon) { return icon && IsWindow(icon) && IsWindowVisible(icon); }

bool WaitForChordHeld(UINT modifiers, UINT virtualKey, DWORD timeoutMs)
{
    return PumpUntil([&] { return ChordIsHeld(modifiers, virtualKey); }, timeoutMs);
}

bool WaitForChordFree(UINT modifiers, UINT virtualKey, DWORD timeoutMs)
{
    return PumpUntil([&] { return !ChordIsHeld(modifiers, virtualKey); }, timeoutMs);
}
