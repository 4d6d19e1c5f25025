#pragma once
// The program as the build made it, for tests that look at it from outside.

#include <windows.h>

#include <string>

// The build puts the test executables in build\tests and the program in build.
inline std::string BuiltProgramPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    folder = folder.substr(0, folder.find_last_of('\\'));  // build\tests
    folder = folder.substr(0, folder.find_last_of('\\'));  // build
    return folder + "\\Duradarudo.exe";
}
