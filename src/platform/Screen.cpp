#include "platform/Screen.h"

#include <windows.h>

#include <cmath>

namespace forms {

namespace {

int ScreenDpi(int index)
{
    HDC dc = GetDC(nullptr);
    int dpi = GetDeviceCaps(dc, index);
    ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

int TwipsPerPixelX()
{
    static const int tpp = 1440 / ScreenDpi(LOGPIXELSX);
    return tpp;
}

int TwipsPerPixelY()
{
    static const int tpp = 1440 / ScreenDpi(LOGPIXELSY);
    return tpp;
}

int TwipsToPixelsX(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixelX())); }
int TwipsToPixelsY(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixelY())); }

}  // namespace forms
