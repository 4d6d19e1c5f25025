#pragma once
// Lines of a form: not windows but drawn by the form itself when it paints,
// under its controls.

#include "platform/Gdi.h"

#include <windows.h>

#include <span>

namespace forms {

enum class LineStyle { Solid, InsideSolid };

// One line of a form's layout: its two end points in twips, its colour, and its
// width in pixels.
struct LineLayout {
    int x1, y1, x2, y2;
    OleColor color;
    int width;
    LineStyle style = LineStyle::Solid;
};

// Draws the lines in table order, so that a later line lies over an earlier one.
void DrawLines(HDC dc, std::span<const LineLayout> lines);

}  // namespace forms
