#include "support/ImportPatch.h"

#include <stdexcept>
#include <string>

namespace {

void** FindImportSlot(const char* dll, const char* function)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* desc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
    for (; desc->Name; ++desc) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + desc->Name), dll) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    throw std::runtime_error(std::string("no import of ") + function + " from " + dll);
}

void WriteSlot(void** slot, const void* value)
{
    DWORD old;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    *slot = const_cast<void*>(value);
    VirtualProtect(slot, sizeof *slot, old, &old);
}

BOOL fakeLockResult = FALSE;
int fakeLockCalls = 0;

BOOL WINAPI FakeLock()
{
    ++fakeLockCalls;
    return fakeLockResult;
}

using NotifyIconFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
NotifyIconFunction realNotifyIcon = nullptr;
std::function<void(DWORD)> onNotifyIcon;
std::vector<NotifyIconCall> notifyIconCalls;

BOOL WINAPI RecordNotifyIcon(DWORD message, PNOTIFYICONDATAA data)
{
    if (onNotifyIcon) onNotifyIcon(message);
    const auto* bytes = reinterpret_cast<const BYTE*>(data);
    NotifyIconCall call{message, data, std::vector<BYTE>(bytes, bytes + data->cbSize), FALSE};
    call.result = realNotifyIcon(message, data);
    notifyIconCalls.push_back(std::move(call));
    return notifyIconCalls.back().result;
}

std::vector<ShellExecuteCall> shellExecuteCalls;

HINSTANCE WINAPI RecordShellExecute(HWND hwnd, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                    INT showCommand)
{
    shellExecuteCalls.push_back({hwnd, operation ? operation : "", file ? file : "", parameters == nullptr,
                                 directory == nullptr, showCommand, directory ? directory : ""});
    return reinterpret_cast<HINSTANCE>(42);  // above 32: success
}

std::vector<CreateProcessCall> createProcessCalls;

BOOL WINAPI RecordCreateProcess(LPCSTR application, LPSTR commandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES,
                                BOOL, DWORD, LPVOID, LPCSTR, LPSTARTUPINFOA startup, LPPROCESS_INFORMATION started)
{
    createProcessCalls.push_back({application ? application : "", commandLine ? commandLine : "",
                                  startup ? startup->dwFlags : 0, startup ? startup->wShowWindow : WORD{0}});
    const DWORD attributes = application ? GetFileAttributesA(application) : INVALID_FILE_ATTRIBUTES;
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    *started = {};  // no process, so no handles to close
    started->dwProcessId = 4242;
    return TRUE;
}

}  // namespace

ImportPatch::ImportPatch(const char* dll, const char* function, const void* replacement)
    : slot_(FindImportSlot(dll, function)), original_(*slot_)
{
    WriteSlot(slot_, replacement);
}

ImportPatch::~ImportPatch() { WriteSlot(slot_, original_); }

FakeLockWorkStation::FakeLockWorkStation(BOOL result)
    : patch_("user32.dll", "LockWorkStation", reinterpret_cast<const void*>(&FakeLock))
{
    fakeLockResult = result;
    fakeLockCalls = 0;
}

FakeLockWorkStation::~FakeLockWorkStation() = default;

int FakeLockWorkStation::Calls() const { return fakeLockCalls; }

ShellNotifyIconRecorder::ShellNotifyIconRecorder()
    : patch_("shell32.dll", "Shell_NotifyIconA", reinterpret_cast<const void*>(&RecordNotifyIcon))
{
    // A second recorder would pass its calls on to the first, and that one to itself.
    if (patch_.Original() == reinterpret_cast<const void*>(&RecordNotifyIcon))
        throw std::logic_error("Shell_NotifyIconA is recorded already");
    realNotifyIcon = reinterpret_cast<NotifyIconFunction>(patch_.Original());
    Restart();
}

ShellNotifyIconRecorder::~ShellNotifyIconRecorder() { onNotifyIcon = nullptr; }

void ShellNotifyIconRecorder::Restart(std::function<void(DWORD)> onCall)
{
    onNotifyIcon = std::move(onCall);
    notifyIconCalls.clear();
}

const std::vector<NotifyIconCall>& ShellNotifyIconRecorder::Calls() const { return notifyIconCalls; }

BOOL ShellNotifyIconRecorder::PassOn(DWORD message, const void* record) const
{
    return realNotifyIcon(message, const_cast<PNOTIFYICONDATAA>(static_cast<const NOTIFYICONDATAA*>(record)));
}

FakeShellExecute::FakeShellExecute()
    : patch_("shell32.dll", "ShellExecuteA", reinterpret_cast<const void*>(&RecordShellExecute))
{
    shellExecuteCalls.clear();
}

FakeShellExecute::~FakeShellExecute() = default;

const std::vector<ShellExecuteCall>& FakeShellExecute::Calls() const { return shellExecuteCalls; }

FakeCreateProcess::FakeCreateProcess()
    : patch_("kernel32.dll", "CreateProcessA", reinterpret_cast<const void*>(&RecordCreateProcess))
{
    createProcessCalls.clear();
}

FakeCreateProcess::~FakeCreateProcess() = default;

const std::vector<CreateProcessCall>& FakeCreateProcess::Calls() const { return createProcessCalls; }

namespace {

using RegisterHotKeyFunction = BOOL(WINAPI*)(HWND, int, UINT, UINT);
using UnregisterHotKeyFunction = BOOL(WINAPI*)(HWND, int);
RegisterHotKeyFunction realRegisterHotKey = nullptr;
UnregisterHotKeyFunction realUnregisterHotKey = nullptr;
std::vector<std::string> hotkeyCalls;

BOOL WINAPI RecordRegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT key)
{
    if (hwnd)
        hotkeyCalls.push_back("Register " + std::to_string(id) + " " + std::to_string(modifiers) + " " +
                              std::to_string(key));
    return realRegisterHotKey(hwnd, id, modifiers, key);
}

BOOL WINAPI RecordUnregisterHotKey(HWND hwnd, int id)
{
    if (hwnd) hotkeyCalls.push_back("Unregister " + std::to_string(id));
    return realUnregisterHotKey(hwnd, id);
}

}  // namespace

HotkeyCallRecorder::HotkeyCallRecorder()
    : register_("user32.dll", "RegisterHotKey", reinterpret_cast<const void*>(&RecordRegisterHotKey)),
      unregister_("user32.dll", "UnregisterHotKey", reinterpret_cast<const void*>(&RecordUnregisterHotKey))
{
    realRegisterHotKey = reinterpret_cast<RegisterHotKeyFunction>(register_.Original());
    realUnregisterHotKey = reinterpret_cast<UnregisterHotKeyFunction>(unregister_.Original());
    hotkeyCalls.clear();
}

HotkeyCallRecorder::~HotkeyCallRecorder() = default;

const std::vector<std::string>& HotkeyCallRecorder::Calls() const { return hotkeyCalls; }
