#include "platform/Programs.h"

#include "platform/OwnedHandle.h"
#include "platform/RuntimeError.h"

namespace forms {

namespace {

using KernelHandle = OwnedHandle<HANDLE, &CloseHandle>;

}  // namespace

DWORD StartProgram(const std::string& path, WORD showCommand)
{
    // A text that holds a NUL names no file; passed on, it would be cut there.
    if (path.find('\0') != std::string::npos) RaiseFileNotFound();

    // The path is the application name, so Windows never searches or splits
    // it; the command line repeats it in quotes as the program's own argv[0].
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showCommand;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        RaiseFileNotFound();
    KernelHandle process(started.hProcess), thread(started.hThread);
    return started.dwProcessId;
}

}  // namespace forms
