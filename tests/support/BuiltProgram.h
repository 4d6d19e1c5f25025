#pragma once
// The program as the build made it, for tests that look at it from outside.

#include "platform/App.h"

#include <windows.h>

#include <string>

// The build puts the test executables in build\tests and the program in build.
inline std::string BuiltProgramPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string testsFolder = forms::App::SplitPath(path).folder;
    return forms::App::SplitPath(testsFolder).folder + "\\Duradarudo.exe";
}
