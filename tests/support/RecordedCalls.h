#pragma once
// Calls that a test must never let through, recorded instead: a web page the
// program asks the shell to open, and a program it asks Windows to start.

#include "support/ImportPatch.h"

#include <windows.h>

#include <string>
#include <vector>

struct ShellRequest {
    HWND owner;
    std::string operation, file;
    bool parametersNull;
    std::string directory;
    bool directoryNull;
    int show;
    bool operator==(const ShellRequest&) const = default;
};

// ShellExecuteA records its arguments and answers success; nothing opens.
class ShellExecuteRecorder {
public:
    ShellExecuteRecorder();
    const std::vector<ShellRequest>& Requests() const;

private:
    ImportPatch patch_;
};

struct ProgramStart {
    std::string application;  // empty also when none was passed
    std::string commandLine;
    DWORD startFlags;
    WORD show;
};

// CreateProcessA records its arguments and starts nothing. It answers as
// Windows would for the application name: success when it names an existing
// file, else failure with ERROR_FILE_NOT_FOUND.
class ProgramStartRecorder {
public:
    ProgramStartRecorder();
    const std::vector<ProgramStart>& Starts() const;

private:
    ImportPatch patch_;
};
