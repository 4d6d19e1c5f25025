#pragma once
// What the program knows of itself: its title, the running file's name and
// folder, and its version.

#include "platform/Copyright.h"

#include <string>

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

}  // namespace forms::App
