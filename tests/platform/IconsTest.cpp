#include "about/AboutIcon.h"
#include "platform/Form.h"
#include "platform/Icons.h"
#include "support/IconPixels.h"

#include <gtest/gtest.h>

namespace {

// The test executables carry the program's resources, so this is the program's icon.
IconPixels AppIconAt(int size)
{
    forms::OwnedIcon icon(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    return PixelsOf(icon.get());
}

IconPixels AboutIconAt(int size) { return PixelsOf(forms::IconFromData(AboutIcon, size).get()); }

// A drawing made for its size has whole pixels only; a larger one shrunk to it would not.
bool EveryPixelIsOpaqueOrClear(const IconPixels& pixels)
{
    for (uint32_t p : pixels.argb)
        if (IconPixels::Alpha(p) != 0 && IconPixels::Alpha(p) != 0xFF) return false;
    return true;
}

constexpr forms::FormLayout PlainLayout{"IconTestPlain", "Plain", 3000, 1500, forms::BorderStyle::FixedSingle,
                                        false, false, {}};
constexpr forms::FormLayout OwnIconLayout{"IconTestOwn", "Own icon", 3000, 1500, forms::BorderStyle::FixedSingle,
                                          false, false, {}, &AboutIcon};

}  // namespace

TEST(AboutIcon, ComesFromTheProgramsDataAtItsOwnSizeAndDiffersFromTheApplicationIcon)
{
    for (int size : {16, 32}) {
        SCOPED_TRACE(size);
        IconPixels about = AboutIconAt(size);
        ASSERT_EQ(about.width, size);
        ASSERT_EQ(about.height, size);
        EXPECT_TRUE(about.CornersAreTransparent());
        EXPECT_GT(about.OpaqueShare(), 0.5);
        EXPECT_TRUE(EveryPixelIsOpaqueOrClear(about));
        EXPECT_NE(about, AppIconAt(size));
    }
}

TEST(WindowIcon, BigAndSmallAreTheFormsIconEachAtItsOwnSize)
{
    const int bigSize = GetSystemMetrics(SM_CXICON), smallSize = GetSystemMetrics(SM_CXSMICON);
    struct Case {
        const forms::FormLayout& layout;
        IconPixels (*expected)(int size);
    };
    for (const Case& c : {Case{PlainLayout, AppIconAt}, Case{OwnIconLayout, AboutIconAt}}) {
        SCOPED_TRACE(c.layout.className);
        forms::Form form(c.layout);
        HWND hwnd = form.hWnd();
        IconPixels bigIcon = PixelsOf(form.Icon());
        EXPECT_EQ(bigIcon.width, bigSize);
        EXPECT_EQ(bigIcon, c.expected(bigSize));
        IconPixels smallIcon = PixelsOf(reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICONSM)));
        EXPECT_EQ(smallIcon.width, smallSize);
        EXPECT_EQ(smallIcon, c.expected(smallSize));
        form.Unload();
    }
}
