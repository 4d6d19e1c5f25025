#pragma once
// Redirects one imported function of the test executable for the lifetime of
// the object, by rewriting its slot in the executable's import table. The
// program's code is linked into the test executable, so its calls go there.

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

class ImportPatch {
public:
    ImportPatch(const char* dll, const char* function, const void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    const void* Original() const { return original_; }

private:
    void** slot_ = nullptr;
    const void* original_ = nullptr;
};

// LockWorkStation answers what the test decides and counts its calls, so no
// test ever locks the machine.
class FakeLockWorkStation {
public:
    explicit FakeLockWorkStation(BOOL result);
    ~FakeLockWorkStation();
    int Calls() const;

private:
    ImportPatch patch_;
};

// Shell_NotifyIconA is recorded, then passed on to the real notification area.
struct NotifyIconCall {
    DWORD message;
    const void* record;        // the address the program passed
    std::vector<BYTE> bytes;   // the record as it was at the call, cbSize bytes
    BOOL result;
};

class ShellNotifyIconRecorder {
public:
    ShellNotifyIconRecorder();
    ~ShellNotifyIconRecorder();
    const std::vector<NotifyIconCall>& Calls() const;
    // Forgets the calls so far; onCall runs at each later call, before it is passed on.
    void Restart(std::function<void(DWORD message)> onCall = {});
    // The real call, past the recorder (for a test that works the tray itself).
    BOOL PassOn(DWORD message, const void* record) const;

private:
    ImportPatch patch_;
};

// ShellExecuteA is recorded and answers success; nothing is opened.
struct ShellExecuteCall {
    HWND hwnd;
    std::string operation, file;
    bool nullParameters, nullDirectory;
    INT showCommand;
    std::string directory;  // its text when it is not null
    bool operator==(const ShellExecuteCall&) const = default;
};

class FakeShellExecute {
public:
    FakeShellExecute();
    ~FakeShellExecute();
    const std::vector<ShellExecuteCall>& Calls() const;

private:
    ImportPatch patch_;
};

// CreateProcessA is recorded and starts nothing. It answers as Windows would
// for the application name: success when it names an existing file, else
// failure with ERROR_FILE_NOT_FOUND.
struct CreateProcessCall {
    std::string application;  // empty also when none was passed
    std::string commandLine;
    DWORD startFlags;
    WORD showWindow;
};

class FakeCreateProcess {
public:
    FakeCreateProcess();
    ~FakeCreateProcess();
    const std::vector<CreateProcessCall>& Calls() const;

private:
    ImportPatch patch_;
};

// RegisterHotKey and UnregisterHotKey on a window are recorded in order, then
// passed on. Wine lets a second registration under the same id replace the
// first, where Windows keeps both: only the order shows the unregistration.
class HotkeyCallRecorder {
public:
    HotkeyCallRecorder();
    ~HotkeyCallRecorder();
    // "Unregister <id>" and "Register <id> <modifiers> <key>", oldest first.
    const std::vector<std::string>& Calls() const;

private:
    ImportPatch register_;
    ImportPatch unregister_;
};
