#include "platform/App.h"

namespace forms::App {

namespace {

template <typename Char>
std::basic_string<Char> ModuleFileName(DWORD(WINAPI* get)(HMODULE, Char*, DWORD))
{
    std::basic_string<Char> buffer(MAX_PATH, Char{});
    for (;;) {
        DWORD n = get(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);  // the path was cut: try a larger buffer
    }
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

PathParts SplitPath(std::string_view path, UINT codePage)
{
    const std::string text(path);  // CharNextExA needs the terminating NUL
    const char* const begin = text.c_str();
    const char* const end = begin + text.size();

    // Only where a character starts can it be a separator or the dot.
    const char* nameStart = begin;
    const char* lastDot = nullptr;
    for (const char* p = begin; p < end;) {
        if (IsSeparator(*p)) {
            nameStart = p + 1;
            lastDot = nullptr;
        } else if (*p == '.') {
            lastDot = p;
        }
        const char* next = CharNextExA(static_cast<WORD>(codePage), p, 0);
        p = next > p ? next : p + 1;
    }

    PathParts parts;
    parts.baseName.assign(nameStart, lastDot ? lastDot : end);
    if (nameStart != begin) {
        parts.folder.assign(begin, nameStart - 1);
        if (parts.folder.size() == 2 && parts.folder[1] == ':') parts.folder += '\\';  // "C:" is "C:\"
    }
    return parts;
}

std::string EXEName() { return SplitPath(ModuleFileName(GetModuleFileNameA)).baseName; }

std::string Path() { return SplitPath(ModuleFileName(GetModuleFileNameA)).folder; }

std::wstring FullPathW() { return ModuleFileName(GetModuleFileNameW); }

}  // namespace forms::App
