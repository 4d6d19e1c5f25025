#include "support/RecordedCalls.h"

namespace {

std::vector<ShellRequest> shellRequests;
std::vector<ProgramStart> programStarts;

std::string TextOrEmpty(const char* text) { return text ? text : ""; }

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                                    LPCSTR directory, INT show)
{
    shellRequests.push_back({owner, TextOrEmpty(operation), TextOrEmpty(file), parameters == nullptr,
                             TextOrEmpty(directory), directory == nullptr, show});
    return reinterpret_cast<HINSTANCE>(42);  // above 32: success
}

BOOL WINAPI RecordCreateProcess(LPCSTR application, LPSTR commandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES,
                                BOOL, DWORD, LPVOID, LPCSTR, LPSTARTUPINFOA startup, LPPROCESS_INFORMATION started)
{
    programStarts.push_back({TextOrEmpty(application), TextOrEmpty(commandLine), startup ? startup->dwFlags : 0,
                             startup ? startup->wShowWindow : WORD{0}});
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

ShellExecuteRecorder::ShellExecuteRecorder()
    : patch_("shell32.dll", "ShellExecuteA", reinterpret_cast<const void*>(&RecordShellExecute))
{
    shellRequests.clear();
}

const std::vector<ShellRequest>& ShellExecuteRecorder::Requests() const { return shellRequests; }

ProgramStartRecorder::ProgramStartRecorder()
    : patch_("kernel32.dll", "CreateProcessA", reinterpret_cast<const void*>(&RecordCreateProcess))
{
    programStarts.clear();
}

const std::vector<ProgramStart>& ProgramStartRecorder::Starts() const { return programStarts; }
