#include "platform/Files.h"

#include "platform/OwnedHandle.h"

#include <windows.h>

namespace forms {

namespace {

using FindHandle = OwnedHandle<HANDLE, &FindClose>;

constexpr DWORD NotOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

}  // namespace

std::string Dir(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE first = FindFirstFileA(path.c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) return {};
    FindHandle search(first);
    do {
        if (!(found.dwFileAttributes & NotOrdinary)) return found.cFileName;
    } while (FindNextFileA(search.get(), &found));
    return {};
}

}  // namespace forms
