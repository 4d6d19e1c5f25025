#include "platform/Controls.h"

#include "platform/Form.h"
#include "platform/RuntimeError.h"

namespace forms {

namespace {

// A drop-down combo box is created taller than it shows: the extra height is
// its list when it drops down.
constexpr int ComboListPixels = 200;

struct ControlClass {
    const char* windowClass;
    DWORD style;
};

ControlClass ClassOf(const ControlLayout& c)
{
    switch (c.kind) {
    case ControlKind::Label: return {"STATIC", SS_LEFT};
    case ControlKind::Link: return {"STATIC", SS_LEFT | SS_NOTIFY};
    case ControlKind::CheckBox: return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
    case ControlKind::ComboDropDown: return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::CommandButton:
        return {"BUTTON", static_cast<DWORD>((c.roles & DefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP};
    case ControlKind::PictureBox: return {"STATIC", SS_ICON};
    }
    return {"STATIC", 0};
}

// Size of a one-line caption in the given font, in pixels.
SIZE CaptionExtent(HWND hwnd, HFONT font, const char* caption)
{
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, caption, -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return {r.right - r.left, r.bottom - r.top};
}

// A drop-down combo box's closed height follows its font; set the height of
// its edit field so that the closed box has the designed height.
void FitComboHeight(HWND combo, int designedPixels)
{
    RECT r;
    GetWindowRect(combo, &r);
    const int closed = r.bottom - r.top;
    const LRESULT field = SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (field == CB_ERR) return;
    const int wanted = static_cast<int>(field) + designedPixels - closed;
    if (wanted > 0 && wanted != field)
        SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), wanted);
}

// Two controls share a line when each one's top lies above the other's middle.
bool ShareALine(const ControlLayout& a, const ControlLayout& b)
{
    return a.top < b.top + b.height / 2 && b.top < a.top + a.height / 2;
}

// Whether `b` comes after `a` when the form is read line by line, left to right.
bool ReadsAfter(const ControlLayout& a, const ControlLayout& b)
{
    return ShareALine(a, b) ? b.left > a.left : b.top > a.top;
}

RECT RectInParent(HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

void TrimOverlaps(HWND form, std::span<const ControlLayout> controls)
{
    for (const ControlLayout& a : controls) {
        HWND earlier = GetDlgItem(form, a.id);
        RECT own = RectInParent(earlier);
        const SIZE designed{own.right - own.left, own.bottom - own.top};
        for (const ControlLayout& b : controls) {
            RECT shared;
            const RECT later = RectInParent(GetDlgItem(form, b.id));
            if (&a == &b || !ReadsAfter(a, b) || !IntersectRect(&shared, &own, &later)) continue;
            if (ShareALine(a, b))
                own.right = later.left;
            else
                own.bottom = later.top;
        }
        if (own.right - own.left != designed.cx || own.bottom - own.top != designed.cy)
            SetWindowPos(earlier, nullptr, 0, 0, own.right - own.left, own.bottom - own.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HWND CreateControl(HWND form, const ControlLayout& c, HFONT font, HICON picture)
{
    const ControlClass cls = ClassOf(c);
    const int x = TwipsToPixelsX(c.left), y = TwipsToPixelsY(c.top);
    int w = TwipsToPixelsX(c.width), h = TwipsToPixelsY(c.height);
    const int createHeight = c.kind == ControlKind::ComboDropDown ? h + ComboListPixels : h;
    const char* caption = c.kind == ControlKind::PictureBox ? nullptr : c.caption;

    HWND control = CreateWindowExA(0, cls.windowClass, caption, WS_CHILD | WS_VISIBLE | cls.style, x, y, w,
                                   createHeight, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (!control) RaiseInvalidCall();
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    switch (c.kind) {
    case ControlKind::ComboDropDown: FitComboHeight(control, h); break;
    case ControlKind::PictureBox:
        // An icon static takes the size of the icon it is given.
        SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(picture), 0);
        break;
    default: break;
    }
    if (c.autoSize) {
        SIZE extent = CaptionExtent(control, font, c.caption);
        SetWindowPos(control, nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return control;
}

OwnedIcon LoadPicture(const ControlLayout& c)
{
    constexpr int IconPixels = 32;
    OwnedIcon icon = IconAt(c.picture, IconPixels);
    // The stock icon is shared by the system: the picture box gets its own copy.
    if (!icon) icon = OwnedIcon(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
    return icon;
}

HWND Control::hWnd() { return GetDlgItem(owner_.hWnd(), id_); }

int Control::Value() { return SendMessageA(hWnd(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

void Control::SetValue(int value)
{
    SendMessageA(hWnd(), BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string WindowText(HWND hwnd)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string Control::Text() { return WindowText(hWnd()); }

void Control::SetText(std::string_view text) { SetWindowTextA(hWnd(), std::string(text).c_str()); }

void Control::AddItem(std::string_view item)
{
    SendMessageA(hWnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(item).c_str()));
}

int Control::ListCount() { return static_cast<int>(SendMessageA(hWnd(), CB_GETCOUNT, 0, 0)); }

}  // namespace forms
