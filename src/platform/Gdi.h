#pragma once
// GDI objects that the program creates and must delete, and the colours that
// layout tables name.

#include "platform/OwnedHandle.h"

#include <windows.h>

#include <cstdint>

namespace forms {

inline BOOL DeleteFont(HFONT font) { return DeleteObject(font); }
using Font = OwnedHandle<HFONT, &DeleteFont>;

inline BOOL DeletePen(HPEN pen) { return DeleteObject(pen); }
using Pen = OwnedHandle<HPEN, &DeletePen>;

// A font of the given face and size in points for the screen's resolution.
Font CreatePointFont(const char* face, double points, bool underline = false);

// A colour as layout tables write it: 0x00BBGGRR for a fixed colour, or
// 0x80000000 plus the index of a system colour, which follows the user's scheme.
using OleColor = uint32_t;
constexpr OleColor SystemColor(int index) { return 0x80000000u | static_cast<uint32_t>(index); }
inline constexpr OleColor ButtonText = SystemColor(COLOR_BTNTEXT);
inline constexpr OleColor Highlight = SystemColor(COLOR_HIGHLIGHT);
inline constexpr OleColor Black = 0x000000;
inline constexpr OleColor White = 0xFFFFFF;
inline constexpr OleColor Grey = 0x808080;

COLORREF ToColorRef(OleColor color);

}  // namespace forms
