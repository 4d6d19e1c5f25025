#include "support/IconPixels.h"

#include <algorithm>

bool IconPixels::CornersAreTransparent() const
{
    const int right = width - 1, bottom = height - 1;
    return Alpha(At(0, 0)) == 0 && Alpha(At(right, 0)) == 0 && Alpha(At(0, bottom)) == 0 &&
           Alpha(At(right, bottom)) == 0;
}

double IconPixels::OpaqueShare() const
{
    auto opaque = std::count_if(argb.begin(), argb.end(), [](uint32_t p) { return Alpha(p) == 0xFF; });
    return argb.empty() ? 0.0 : static_cast<double>(opaque) / static_cast<double>(argb.size());
}

IconPixels PixelsOf(HICON icon)
{
    IconPixels result;
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return result;
    BITMAP bitmap{};
    if (info.hbmColor && GetObjectA(info.hbmColor, sizeof bitmap, &bitmap)) {
        result.width = bitmap.bmWidth;
        result.height = bitmap.bmHeight;
        result.argb.resize(static_cast<size_t>(result.width) * static_cast<size_t>(result.height));
        BITMAPINFO format{};
        format.bmiHeader = {sizeof(BITMAPINFOHEADER), result.width, -result.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(result.height), result.argb.data(), &format,
                  DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return result;
}
