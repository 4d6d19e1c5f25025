#pragma once
// What an icon shows, read back pixel by pixel.

#include <windows.h>

#include <cstdint>
#include <ostream>
#include <vector>

struct IconPixels {
    int width = 0, height = 0;
    std::vector<uint32_t> argb;  // top row first

    uint32_t At(int x, int y) const { return argb[static_cast<size_t>(y * width + x)]; }
    static uint8_t Alpha(uint32_t pixel) { return static_cast<uint8_t>(pixel >> 24); }
    bool CornersAreTransparent() const;
    // Share of the pixels that are fully opaque.
    double OpaqueShare() const;
    bool operator==(const IconPixels&) const = default;
    friend void PrintTo(const IconPixels& icon, std::ostream* out)
    {
        *out << icon.width << " x " << icon.height << " pixels";
    }
};

IconPixels PixelsOf(HICON icon);
