#pragma once
// The maker's web site. Every page the program opens is on this one host, so
// moving the site is a change of one line.

#include <string>
#include <string_view>

namespace maker {

inline constexpr std::string_view Host = "www.brimwick.com";

inline const std::string HomePage = "https://" + std::string(Host);
inline const std::string SupportPage = HomePage + "/support/";
inline const std::string RecommendPage = HomePage + "/recommend/";

}  // namespace maker
