// Stands in for the System Information tool in the end-to-end prefix: appends
// the command line it was started with, one a line, to a file named as itself
// with ".log" added.

#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    FILE* out = std::fopen((std::string(self) + ".log").c_str(), "a");
    if (!out) return 1;
    std::fprintf(out, "%s\n", GetCommandLineA());
    std::fclose(out);
    return 0;
}
