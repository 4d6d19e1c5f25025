#include "platform/Form.h"

#include "platform/App.h"
#include "platform/RuntimeError.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

constexpr const char* FontFace = "MS Sans Serif";
constexpr int AppIconId = 1;
// A drop-down combo box is created taller than it shows: the extra height is
// its list when it drops down.
constexpr int ComboListPixels = 200;

std::vector<Form*>& AllForms()
{
    static std::vector<Form*> forms;
    return forms;
}

Form* FormOfWindow(HWND hwnd)
{
    for (Form* form : AllForms())
        if (form->IsLoaded() && form->hWnd() == hwnd) return form;
    return nullptr;
}

HICON AppIcon()
{
    if (HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(AppIconId))) return icon;
    return LoadIconA(nullptr, IDI_APPLICATION);
}

DWORD FrameStyle(const FormLayout& layout)
{
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (layout.border == BorderStyle::Sizable) style |= WS_THICKFRAME;
    if (layout.minButton) style |= WS_MINIMIZEBOX;
    if (layout.maxButton) style |= WS_MAXIMIZEBOX;
    return style;
}

constexpr DWORD FrameExStyle = WS_EX_CONTROLPARENT;

struct ControlClass {
    const char* windowClass;
    DWORD style;
};

ControlClass ClassOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label: return {"STATIC", SS_LEFT};
    case ControlKind::CheckBox: return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
    case ControlKind::ComboDropDown: return {"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::CommandButton: return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
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

int ScreenDpi(int index)
{
    HDC dc = GetDC(nullptr);
    int dpi = GetDeviceCaps(dc, index);
    ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

// --- Form -------------------------------------------------------------------

Form::Form(const FormLayout& layout) : layout_(layout) { AllForms().push_back(this); }

Form::~Form() { std::erase(AllForms(), this); }

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
        wc.hIcon = AppIcon();
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = layout_.className;
        if (!RegisterClassExA(&wc)) RaiseInvalidCall();
    }

    const DWORD style = FrameStyle(layout_);
    RECT frame{0, 0, TwipsToPixelsX(layout_.clientWidth), TwipsToPixelsY(layout_.clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, FrameExStyle);

    HWND hwnd = CreateWindowExA(FrameExStyle, layout_.className, layout_.caption, style, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, instance, this);
    if (!hwnd) RaiseInvalidCall();
    hwnd_ = hwnd;

    // Created in tab order, which is the order dialog navigation follows.
    std::vector<const ControlLayout*> ordered;
    for (const ControlLayout& c : layout_.controls) ordered.push_back(&c);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const ControlLayout* a, const ControlLayout* b) { return a->tabIndex < b->tabIndex; });
    for (const ControlLayout* c : ordered) CreateControl(*c);
}

void Form::CreateControl(const ControlLayout& c)
{
    const ControlClass cls = ClassOf(c.kind);
    const int x = TwipsToPixelsX(c.left), y = TwipsToPixelsY(c.top);
    int w = TwipsToPixelsX(c.width), h = TwipsToPixelsY(c.height);
    const int createHeight = c.kind == ControlKind::ComboDropDown ? h + ComboListPixels : h;

    HWND control = CreateWindowExA(0, cls.windowClass, c.caption, WS_CHILD | WS_VISIBLE | cls.style, x, y, w,
                                   createHeight, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (!control) RaiseInvalidCall();
    HFONT font = FontOf(c.fontPoints);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    if (c.kind == ControlKind::ComboDropDown) FitComboHeight(control, h);
    if (c.autoSize) {
        SIZE extent = CaptionExtent(control, font, c.caption);
        SetWindowPos(control, nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HFONT Form::FontOf(double points)
{
    for (auto& [size, font] : fonts_)
        if (size == points) return font.get();
    fonts_.emplace_back(points, CreatePointFont(FontFace, points));
    return fonts_.back().second.get();
}

HWND Form::FirstTabStop() const
{
    return GetNextDlgTabItem(hwnd_, nullptr, FALSE);
}

void Form::Show()
{
    Load();
    if (IsWindowVisible(hwnd_)) {
        SetForegroundWindow(hwnd_);
        return;
    }
    ShowWindow(hwnd_, SW_SHOW);
}

void Form::Unload()
{
    if (!hwnd_) return;
    int16_t cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0 || !hwnd_) return;
    DestroyWindowOnly();
}

void Form::DestroyWindowOnly()
{
    HWND hwnd = hwnd_;
    DestroyWindow(hwnd);
    hwnd_ = nullptr;
    lastFocus_ = nullptr;
    fonts_.clear();  // only once the controls that used them are gone
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

std::string Form::Caption()
{
    HWND hwnd = hWnd();
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

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
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Form::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Enter and Escape arrive from dialog navigation as IDOK and IDCANCEL with
    // no control; no button of ours takes those roles, so they do nothing.
    if (lParam != 0 && HIWORD(wParam) == BN_CLICKED) Control_Click(LOWORD(wParam));
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

// --- Control ----------------------------------------------------------------

HWND Control::hWnd() { return GetDlgItem(owner_.hWnd(), id_); }

int Control::Value() { return SendMessageA(hWnd(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

void Control::SetValue(int value)
{
    SendMessageA(hWnd(), BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string Control::Text()
{
    HWND hwnd = hWnd();
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Control::SetText(std::string_view text) { SetWindowTextA(hWnd(), std::string(text).c_str()); }

void Control::AddItem(std::string_view item)
{
    SendMessageA(hWnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(item).c_str()));
}

int Control::ListCount() { return static_cast<int>(SendMessageA(hWnd(), CB_GETCOUNT, 0, 0)); }

// --- Program-wide services --------------------------------------------------

int MsgBox(std::string_view prompt, UINT style)
{
    return MessageBoxA(nullptr, std::string(prompt).c_str(), App::Title, style | MB_TASKMODAL);
}

bool AnyFormLoaded()
{
    return std::any_of(AllForms().begin(), AllForms().end(), [](const Form* f) { return f->IsLoaded(); });
}

void RunMessageLoop()
{
    MSG msg;
    while (AnyFormLoaded()) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return;
        ProcessMessage(msg);
    }
}

void ProcessMessage(MSG& msg)
{
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && FormOfWindow(root) && IsDialogMessageA(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void End()
{
    for (Form* form : AllForms())
        if (form->IsLoaded()) form->DestroyWindowOnly();
    ExitProcess(0);
}

int TwipsPerPixelX()
{
    static const int tpp = 1440 / ScreenDpi(LOGPIXELSX);
    return tpp;
}

int TwipsPerPixelY()
{
    static const int tpp = 1440 / ScreenDpi(LOGPIXELSY);
    return tpp;
}

int TwipsToPixelsX(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixelX())); }
int TwipsToPixelsY(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixelY())); }

// --- Run-time errors --------------------------------------------------------

void RaiseOverflow() { throw RuntimeError(ErrOverflow, "Overflow"); }
void RaiseInvalidCall() { throw RuntimeError(ErrInvalidCall, "Invalid procedure call or argument"); }

void ReportUnhandledError(const std::exception& error)
{
    std::string text;
    if (auto* runtime = dynamic_cast<const RuntimeError*>(&error))
        text = "Run-time error '" + std::to_string(runtime->Number()) + "':\n\n" + runtime->Description();
    else
        text = std::string("Run-time error:\n\n") + error.what();
    MsgBox(text, MB_OK | MB_ICONERROR);
    End();
}

}  // namespace forms
