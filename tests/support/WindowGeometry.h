#pragma once
// Where windows stand, in forms that tests compare and print.

#include <windows.h>

#include <ostream>

inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
inline bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }
inline std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
inline std::ostream& operator<<(std::ostream& os, const POINT& p) { return os << "(" << p.x << ", " << p.y << ")"; }

// A control's rectangle in its parent's client coordinates.
inline RECT PlaceOf(HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Where a window's client area begins on the screen.
inline POINT ClientCornerOf(HWND hwnd)
{
    POINT p{0, 0};
    ClientToScreen(hwnd, &p);
    return p;
}
