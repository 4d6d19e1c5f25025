#include "support/ProcessWindows.h"

#include "support/TestDesktop.h"

#include <stdexcept>

std::string Narrow(std::wstring_view wide)
{
    std::string ansi(wide.size() * 2, '\0');
    ansi.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                                        ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr)));
    return ansi;
}

ChildProcess::ChildProcess(const std::wstring& exePath, const std::wstring& workingDir)
{
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDir.empty() ? nullptr : workingDir.c_str(), &si, &info_))
        throw std::runtime_error("cannot start " + Narrow(exePath) + ": error " + std::to_string(GetLastError()));
}

ChildProcess::~ChildProcess()
{
    Kill();
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) { return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0; }

DWORD ChildProcess::ExitCode() const
{
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void ChildProcess::Kill()
{
    if (!WaitForExit(0)) {
        TerminateProcess(info_.hProcess, 99);
        WaitForExit(5000);
    }
}

namespace {

struct Search {
    DWORD processId;
    const std::string* className;
    const std::string* caption;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM param)
{
    auto& s = *reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != s.processId) return TRUE;
    char cls[256] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (!s.className->empty() && *s.className != cls) return TRUE;
    if (!s.caption->empty() && *s.caption != TextOf(hwnd)) return TRUE;
    s.found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> WindowsOf(DWORD processId, const std::string& className, const std::string& caption)
{
    Search s{processId, &className, &caption, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND WaitForWindowOf(DWORD processId, const std::string& className, const std::string& caption, DWORD timeoutMs)
{
    HWND found = nullptr;
    PumpUntil([&] {
        auto windows = WindowsOf(processId, className, caption);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
    }, timeoutMs);
    return found;
}

std::string TextOf(HWND hwnd)
{
    char buffer[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    return buffer;
}

std::string MessageBoxText(HWND box) { return TextOf(GetDlgItem(box, 0xFFFF)); }
