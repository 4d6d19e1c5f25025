#include "platform/App.h"

#include <windows.h>

namespace forms::App {

namespace {

std::string ModuleFileName()
{
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);  // the path was cut: try a larger buffer
    }
}

size_t NameStart(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? 0 : slash + 1;
}

}  // namespace

std::string EXEName()
{
    std::string path = ModuleFileName();
    std::string name = path.substr(NameStart(path));
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string Path()
{
    std::string path = ModuleFileName();
    size_t start = NameStart(path);
    if (start == 0) return {};
    std::string folder = path.substr(0, start - 1);
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';  // "C:" is "C:\"
    return folder;
}

}  // namespace forms::App
