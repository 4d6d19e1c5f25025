#include "platform/Gdi.h"

#include "platform/Screen.h"

#include <cmath>

namespace forms {

Font CreatePointFont(const char* face, double points, bool underline)
{
    const int dpi = 1440 / TwipsPerPixelY();
    const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
    return Font(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, face));
}

COLORREF ToColorRef(OleColor color)
{
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color);
}

}  // namespace forms
