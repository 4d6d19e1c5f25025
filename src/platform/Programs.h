#pragma once
// Starting another program.

#include <windows.h>

#include <string>

namespace forms {

// Starts the program file at `path` in a window shown with `showCommand`
// (SW_SHOWNORMAL: a normal window that takes the focus) and returns its
// process id; nothing waits for it. The path is the program's file name
// exactly, never a command line that could be split at a blank. A program that
// cannot be started raises the run-time error "File not found".
DWORD StartProgram(const std::string& path, WORD showCommand);

}  // namespace forms
