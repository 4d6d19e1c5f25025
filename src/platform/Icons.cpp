#include "platform/Icons.h"

#include <vector>

namespace forms {

namespace {

constexpr int AppIconGroup = 1;
// The format version of icon images that CreateIconFromResourceEx reads.
constexpr DWORD IconImageVersion = 0x00030000;

OwnedIcon AppIconAt(int size)
{
    // Not LR_SHARED: a shared icon is cached by name alone, so a second size of
    // the same group would come back as the first.
    return OwnedIcon(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(AppIconGroup),
                                                   IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

OwnedIcon IconAt(const EmbeddedIcon* icon, int size)
{
    return icon ? IconFromData(*icon, size) : AppIconAt(size);
}

struct MadeIcons {
    const EmbeddedIcon* source;
    OwnedIcon big, smallIcon;
};

}  // namespace

OwnedIcon IconFromData(const EmbeddedIcon& icon, int size)
{
    // Both calls take the bytes as writable; they only read them.
    int id = LookupIconIdFromDirectoryEx(const_cast<PBYTE>(icon.directory.data()), TRUE, size, size,
                                         LR_DEFAULTCOLOR);
    if (id < 1 || static_cast<size_t>(id) > icon.images.size()) return {};
    std::span<const unsigned char> image = icon.images[static_cast<size_t>(id) - 1];
    return OwnedIcon(CreateIconFromResourceEx(const_cast<PBYTE>(image.data()), static_cast<DWORD>(image.size()),
                                              TRUE, IconImageVersion, size, size, LR_DEFAULTCOLOR));
}

WindowIcons WindowIconsOf(const EmbeddedIcon* icon)
{
    static std::vector<MadeIcons> made;
    for (const MadeIcons& m : made)
        if (m.source == icon) return {m.big.get(), m.smallIcon.get()};
    made.push_back({icon, IconAt(icon, GetSystemMetrics(SM_CXICON)), IconAt(icon, GetSystemMetrics(SM_CXSMICON))});
    return {made.back().big.get(), made.back().smallIcon.get()};
}

}  // namespace forms
