#pragma once
// GDI objects that the program creates and must delete.

#include "platform/OwnedHandle.h"

#include <windows.h>

namespace forms {

inline BOOL DeleteFont(HFONT font) { return DeleteObject(font); }
using Font = OwnedHandle<HFONT, &DeleteFont>;

// A font of the given face and size in points for the screen's resolution.
Font CreatePointFont(const char* face, double points);

}  // namespace forms
