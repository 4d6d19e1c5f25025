#pragma once
// The program's own functions answer true as -1 and false as 0, the values
// callers of this runtime have always compared against.

#include <cstdint>

namespace forms {

using Boolean = int16_t;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

}  // namespace forms
