#pragma once
// Works the built program from outside, as a user would: a copy of the exe in a
// folder whose path has blanks, started as its own process, its windows found by
// class and caption, its controls read and clicked, its message boxes answered,
// chords pressed, and its registry entries read back.

#include "support/ProcessWindows.h"
#include "support/TestRegistry.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* HotkeyWindowClass = "frmHotKeys";
inline constexpr const char* HotkeyWindowCaption = "Form1";
inline constexpr const char* SettingsWindowClass = "frmConfig";
inline constexpr const char* SettingsWindowCaption = "Vendrel pro configuration";
inline constexpr const char* TrayWindowClass = "frmSystray";
inline constexpr const char* TrayWindowCaption = "Systray form";
inline constexpr const char* PopupMenuClass = "#32768";
inline constexpr const char* ProgramTitle = "Duradarudo";
inline constexpr const char* RunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

inline constexpr DWORD WaitBoundMs = 10000;

struct MessageBoxSeen {
    HWND hwnd;
    std::string caption;
    std::string text;
};

class ProgramDriver {
public:
    // Copies the built exe as "<temp>\<folderName>\<fileName>" and forgets
    // the settings and the Run value of that name.
    explicit ProgramDriver(const std::string& fileName = "Duradarudo.exe",
                           const std::wstring& folderName = L"Vendrel pro test");
    // Ends the program, forgets its settings and Run value, removes the copy.
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    std::string ExePath() const { return Narrow(exePath_); }
    const std::wstring& ExePathW() const { return exePath_; }
    const std::string& AppName() const { return appName_; }

    // Starts the program and waits until its start-up has run: the hidden
    // hotkey window exists and the program's thread answers messages. Its new
    // icon in the notification area is then TrayIcon().
    void Start();
    // Ends the process at once, as the task manager would.
    void Kill();
    bool IsRunning() const;
    bool WaitForExit(DWORD timeoutMs = WaitBoundMs) const;

    // Wine's stand-alone notification area holds one child window per icon;
    // this one is the program's, null when it added none.
    HWND TrayIcon() const { return trayIcon_; }
    // Once the icon has gone, waits for the program to add it again; TrayIcon()
    // is then the new one.
    bool WaitForTrayIconBack();
    // Right click on the icon, then "E&xit", the menu's last item, with the mouse.
    void ChooseExit() const;
    // The program's popup menu once it shows, null when none shows in time.
    HWND WaitForPopupMenu(DWORD timeoutMs = WaitBoundMs) const;

    HWND WaitForWindow(const std::string& className, const std::string& caption, DWORD timeoutMs = WaitBoundMs) const;
    bool HasWindow(const std::string& className, const std::string& caption) const;
    bool WaitUntilGone(HWND window, DWORD timeoutMs = WaitBoundMs) const;

    // The program's open message boxes.
    std::vector<MessageBoxSeen> MessageBoxes() const;
    // Waits until at least `count` boxes are open and returns them all (fewer
    // when the bound ran out).
    std::vector<MessageBoxSeen> WaitForMessageBoxes(size_t count = 1, DWORD timeoutMs = WaitBoundMs) const;
    // Presses the box's OK button and waits for the box to close.
    bool Answer(const MessageBoxSeen& box) const;

    // This program's settings and Run value, as stored.
    std::optional<std::string> Setting(const std::string& section, const std::string& key) const;
    void StoreSetting(const std::string& section, const std::string& key, const std::string& text) const;
    bool HasAnySetting() const;
    std::optional<RegValue> RunValue() const;

private:
    void ForgetEverything() const;
    bool WaitForNewTrayIcon(const std::vector<HWND>& iconsBefore);

    std::wstring folder_;
    std::wstring exePath_;
    std::string appName_;
    std::unique_ptr<ChildProcess> process_;
    HWND trayIcon_ = nullptr;
};

// The controls of a window of another process.
namespace controls {

// A child window by its class and, unless empty, its caption.
HWND Find(HWND parent, const std::string& className, const std::string& caption = {});
bool IsChecked(HWND button);
// Clicks and waits until the program has handled the click.
void Click(HWND button);
// Clicks without waiting: for a button whose handler opens a modal box.
void ClickAndGoOn(HWND button);
void SetText(HWND control, const std::string& text);
// The control that has the focus in the thread of a window.
HWND FocusOf(HWND window);
std::vector<std::string> ComboItems(HWND combo);

}  // namespace controls

// The real mouse, through the system's input queue.
namespace mouse {

void ClickAt(POINT at, bool right = false);
void Click(HWND window, bool right = false);  // in the middle of the window
void DoubleClick(HWND window);

}  // namespace mouse

// Icons still in the notification area: present and shown.
bool IconShown(HWND icon);

// Chords, as seen from anywhere on the desktop.
bool WaitForChordHeld(UINT modifiers, UINT virtualKey, DWORD timeoutMs = WaitBoundMs);
bool WaitForChordFree(UINT modifiers, UINT virtualKey, DWORD timeoutMs = WaitBoundMs);
