#pragma once
// Icons of the program's windows: the application icon from the executable's
// resources (icon group 1), and icons kept in the program's data, each taken at
// the size it is shown at rather than one image stretched.

#include "platform/OwnedHandle.h"

#include <windows.h>

#include <span>

namespace forms {

// An icon kept in the program's data rather than in the resources: the bytes of an
// icon group directory, as an icon group resource holds it, and of its images. The
// directory's image ids count from 1: id n is images[n - 1].
struct EmbeddedIcon {
    std::span<const unsigned char> directory;
    std::span<const std::span<const unsigned char>> images;
};

inline BOOL DestroyIconHandle(HICON icon) { return DestroyIcon(icon); }
using OwnedIcon = OwnedHandle<HICON, &DestroyIconHandle>;

// The icon's image that suits a square of `size` pixels, made an icon of that size;
// empty when the data holds no such image.
OwnedIcon IconFromData(const EmbeddedIcon& icon, int size);

// A window's big (title bar, task switcher) and small (caption, taskbar) icon.
struct WindowIcons {
    HICON big;
    HICON smallIcon;  // not "small": the Windows headers define that as a macro
};

// The window icons of `icon`, or of the application icon when it is null. Each is
// made once at the system's icon sizes and kept for the life of the process, as
// the window classes that carry them are.
WindowIcons WindowIconsOf(const EmbeddedIcon* icon);

}  // namespace forms
