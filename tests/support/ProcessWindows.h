#pragma once
// Another process's windows, seen from outside as a user would: start the
// program, find its windows by class or caption, read their texts.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// UTF-16 text in the ANSI code page; forms::AnsiToWide goes the other way.
std::string Narrow(std::wstring_view wide);

// A started process; it is ended, if still running, when the object goes.
class ChildProcess {
public:
    explicit ChildProcess(const std::wstring& exePath, const std::wstring& workingDir = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    bool WaitForExit(DWORD timeoutMs);
    DWORD ExitCode() const;
    void Kill();

private:
    PROCESS_INFORMATION info_{};
};

// Top-level windows of a process, optionally only those of a window class
// and/or with a caption (empty means any).
std::vector<HWND> WindowsOf(DWORD processId, const std::string& className = {}, const std::string& caption = {});
// Waits, with a bound, for one such window to exist.
HWND WaitForWindowOf(DWORD processId, const std::string& className, const std::string& caption,
                     DWORD timeoutMs = 15000);
// A window's text, read with WM_GETTEXT so that it works across processes.
std::string TextOf(HWND hwnd);
// The message box text of a message box window.
std::string MessageBoxText(HWND box);
