#pragma once
// What the program knows of itself: its title, the running file's name and
// folder, and its version.

#include "platform/Copyright.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace forms::App {

inline constexpr const char* Title = "Duradarudo";
inline constexpr int Major = 2;
inline constexpr int Minor = 0;
inline constexpr int Revision = 0;
inline constexpr const char* LegalCopyright = DURADARUDO_COPYRIGHT;

// The running executable's file name without its extension.
std::string EXEName();
// The running executable's folder; it ends in a backslash only at a drive root.
std::string Path();

// The running executable's full path, whole: in the ANSI code page, a folder
// named in other characters would read as "?" in their place.
std::wstring FullPathW();

// A full file path taken apart as EXEName and Path report it.
struct PathParts {
    std::string folder;  // ends in a backslash only at a drive root
    std::string baseName;  // the file name without its extension
};
// The path is read character by character in the given ANSI code page: in a
// double-byte code page the second byte of a character can be a backslash
// (0x5C), and it never separates anything.
PathParts SplitPath(std::string_view path, UINT codePage = CP_ACP);

}  // namespace forms::App
