#pragma once
// The file test: whether a file matching a path exists.

#include <string>

namespace forms {

// The name (without its folder) of the first ordinary file that matches the
// path, which may hold the wildcards * and ?; empty text when none does.
// Folders and hidden or system files never match.
std::string Dir(const std::string& path);

}  // namespace forms
