#include "platform/Form.h"

#include "platform/App.h"
#include "platform/RuntimeError.h"
#include "platform/Screen.h"

#include <algorithm>

namespace forms {

namespace {

constexpr const char* FontFace = "MS Sans Serif";

DWORD FrameStyle(const FormLayout& layout)
{
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (layout.border == BorderStyle::Sizable) style |= WS_THICKFRAME;
    if (layout.minButton) style |= WS_MINIMIZEBOX;
    if (layout.maxButton) style |= WS_MAXIMIZEBOX;
    return style;
}

DWORD FrameExStyle(const FormLayout& layout)
{
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (layout.border == BorderStyle::FixedDialog) exStyle |= WS_EX_DLGMODALFRAME;
    return exStyle;
}

bool IsPushButton(HWND control)
{
    return (SendMessageA(control, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

std::vector<Form*>& Registry()
{
    static std::vector<Form*> forms;
    return forms;
}

}  // namespace

const std::vector<Form*>& AllForms() { return Registry(); }

Form* FormOfWindow(HWND hwnd)
{
    for (Form* form : AllForms())
        if (form->IsLoaded() && form->hWnd() == hwnd) return form;
    return nullptr;
}

Form::Form(const FormLayout& layout) : layout_(layout) { Registry().push_back(this); }

Form::~Form() { std::erase(Registry(), this); }

HWND Form::hWnd()
{
    Load();
    return hwnd_;
}

void Form::Load()
{
    if (hwnd_) return;
    CreateWindowAndControls();
    // Runs after CreateWindowExA has returned, so that its run-time errors
    // reach the code that touched the form rather than a window procedure.
    Form_Load();
}

void Form::CreateWindowAndControls()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(instance, layout_.className, &wc)) {
        wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        const WindowIcons icons = WindowIconsOf(layout_.icon);
        wc.hIcon = icons.big;
        wc.hIconSm = icons.smallIcon;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = layout_.className;
        if (!RegisterClassExA(&wc)) RaiseInvalidCall();
    }

    const DWORD style = FrameStyle(layout_);
    const DWORD exStyle = FrameExStyle(layout_);
    RECT frame{0, 0, TwipsToPixelsX(layout_.clientWidth), TwipsToPixelsY(layout_.clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);

    // A fixed place is the client area's corner; the frame lies around it.
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (layout_.clientPlace) {
        x = TwipsToPixelsX(layout_.clientPlace->left) + frame.left;
        y = TwipsToPixelsY(layout_.clientPlace->top) + frame.top;
    }

    HWND hwnd = CreateWindowExA(exStyle, layout_.className, layout_.caption, style, x, y, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr, instance, this);
    if (!hwnd) RaiseInvalidCall();
    hwnd_ = hwnd;

    // Created in tab order, which is the order dialog navigation follows.
    std::vector<const ControlLayout*> ordered;
    for (const ControlLayout& c : layout_.controls) ordered.push_back(&c);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const ControlLayout* a, const ControlLayout* b) { return a->tabIndex < b->tabIndex; });
    for (const ControlLayout* c : ordered) {
        HICON picture = nullptr;
        if (c->kind == ControlKind::PictureBox) picture = pictures_.emplace_back(LoadPicture(*c)).get();
        CreateControl(hwnd_, *c, FontOf(c->fontPoints, c->kind == ControlKind::Link), picture);
    }
    TrimOverlaps(hwnd_, layout_.controls);
    if (!layout_.popupMenu.empty()) popupMenu_ = CreatePopupMenuFrom(layout_.popupMenu);
}

HFONT Form::FontOf(double points, bool underline)
{
    for (const SizedFont& f : fonts_)
        if (f.points == points && f.underline == underline) return f.font.get();
    fonts_.push_back({points, underline, CreatePointFont(FontFace, points, underline)});
    return fonts_.back().font.get();
}

const ControlLayout* Form::RowOf(HWND control) const
{
    const int id = GetDlgCtrlID(control);
    for (const ControlLayout& c : layout_.controls)
        if (c.id == id) return &c;
    return nullptr;
}

const ControlLayout* Form::ButtonWithRole(ButtonRole role) const
{
    for (const ControlLayout& c : layout_.controls)
        if (c.kind == ControlKind::CommandButton && (c.roles & role)) return &c;
    return nullptr;
}

HWND Form::FirstTabStop() const
{
    return GetNextDlgTabItem(hwnd_, nullptr, FALSE);
}

void Form::Show()
{
    Load();
    // A minimised window comes back as it was before, maximised or not.
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    // Whether it opens now or was open already, it comes to the front: a menu
    // command that shows it leaves the foreground with the hidden window that
    // popped up the menu, where typing would go unseen.
    SetForegroundWindow(hwnd_);
}

void Form::Unload()
{
    if (!hwnd_) return;
    int16_t cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0 || !hwnd_) return;
    DestroyWindowOnly();
}

void Form::PopupMenu()
{
    HWND hwnd = hWnd();
    if (const int chosen = ShowPopupMenu(hwnd, popupMenu_.get())) Menu_Click(chosen);
}

void Form::DestroyWindowOnly()
{
    HWND hwnd = hwnd_;
    DestroyWindow(hwnd);
    hwnd_ = nullptr;
    lastFocus_ = nullptr;
    fonts_.clear();  // only once the controls that used them are gone
    pictures_.clear();
    popupMenu_.reset();
}

bool Form::Visible() { return IsWindowVisible(hWnd()) != FALSE; }

void Form::SetVisible(bool visible) { ShowWindow(hWnd(), visible ? SW_SHOW : SW_HIDE); }

int Form::WindowState()
{
    HWND hwnd = hWnd();
    if (IsIconic(hwnd)) return WindowStateMinimized;
    if (IsZoomed(hwnd)) return WindowStateMaximized;
    return WindowStateNormal;
}

void Form::SetWindowState(int state)
{
    HWND hwnd = hWnd();
    if (!IsWindowVisible(hwnd)) return;
    ShowWindow(hwnd, state == WindowStateMinimized   ? SW_MINIMIZE
                     : state == WindowStateMaximized ? SW_MAXIMIZE
                                                     : SW_RESTORE);
}

std::string Form::Caption() { return WindowText(hWnd()); }

void Form::SetCaption(std::string_view caption) { SetWindowTextA(hWnd(), std::string(caption).c_str()); }

HICON Form::Icon() { return reinterpret_cast<HICON>(GetClassLongPtrA(hWnd(), GCLP_HICON)); }

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!form || (form->hwnd_ && form->hwnd_ != hwnd)) return DefWindowProcA(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    RunEntryPoint([&] { result = form->OnMessage(hwnd, message, wParam, lParam); });
    return result;
}

LRESULT Form::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: OnCommand(wParam, lParam); return 0;
    case WM_CLOSE: Unload(); return 0;  // the close box unloads the form
    case WM_ACTIVATE: OnActivate(wParam); return 0;
    case WM_PAINT: OnPaint(hwnd); return 0;
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case DM_GETDEFID: return OnGetDefId();
    }
    if (OwnMessage(message, wParam, lParam)) return 0;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Form::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Escape arrives from dialog navigation as IDCANCEL with no control, and
    // Enter as IDOK when the form names no default button (OnGetDefId). Our
    // controls' ids never take these two values.
    const int id = LOWORD(wParam);
    if (id == IDCANCEL) {
        if (const ControlLayout* cancel = ButtonWithRole(CancelButton)) Control_Click(cancel->id);
        return;
    }
    if (id == IDOK) return;
    // A click on a button or on a label that notifies: both send code 0.
    if (lParam != 0 && HIWORD(wParam) == BN_CLICKED) Control_Click(id);
}

// Dialog navigation asks which button Enter presses: the push button that has
// the focus, else the form's default button.
LRESULT Form::OnGetDefId()
{
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus) && IsPushButton(focus)) return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    if (const ControlLayout* def = ButtonWithRole(DefaultButton)) return MAKELRESULT(def->id, DC_HASDEFID);
    return 0;
}

void Form::OnPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    DrawLines(dc, layout_.lines);
    EndPaint(hwnd, &ps);
}

LRESULT Form::OnCtlColorStatic(HDC dc, HWND control)
{
    const ControlLayout* row = RowOf(control);
    SetTextColor(dc, ToColorRef(row ? row->foreColor : ButtonText));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void Form::OnActivate(WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
        return;
    }
    HWND target = lastFocus_ && IsChild(hwnd_, lastFocus_) ? lastFocus_ : FirstTabStop();
    SetFocus(target ? target : hwnd_);
}

}  // namespace forms
