#include "platform/Lines.h"

#include "platform/Screen.h"

namespace forms {

void DrawLines(HDC dc, std::span<const LineLayout> lines)
{
    for (const LineLayout& line : lines) {
        const int penStyle = line.style == LineStyle::InsideSolid ? PS_INSIDEFRAME : PS_SOLID;
        Pen pen(CreatePen(penStyle, line.width, ToColorRef(line.color)));
        HGDIOBJ old = SelectObject(dc, pen.get());
        MoveToEx(dc, TwipsToPixelsX(line.x1), TwipsToPixelsY(line.y1), nullptr);
        LineTo(dc, TwipsToPixelsX(line.x2), TwipsToPixelsY(line.y2));
        SelectObject(dc, old);
    }
}

}  // namespace forms
