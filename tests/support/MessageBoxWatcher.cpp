#include "support/MessageBoxWatcher.h"

#include "support/ProcessWindows.h"

#include <stdexcept>

namespace {

MessageBoxWatcher* current = nullptr;

BOOL CALLBACK FindIcon(HWND child, LPARAM found)
{
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
    *reinterpret_cast<HICON*>(found) = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    return FALSE;
}

// The icon that a box shows, whatever its control is numbered.
HICON IconOf(HWND box)
{
    HICON icon = nullptr;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&icon));
    return icon;
}

bool IsMessageBox(HWND hwnd)
{
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    return lstrcmpA(cls, "#32770") == 0;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(OnOpen onOpen) : onOpen_(std::move(onOpen))
{
    if (current) throw std::logic_error("one MessageBoxWatcher at a time");
    current = this;
    hook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, Hook, nullptr, GetCurrentThreadId());
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    UnhookWindowsHookEx(hook_);
    current = nullptr;
}

void MessageBoxWatcher::Answer(const SeenBox& box) { PostMessageA(box.hwnd, WM_COMMAND, IDOK, 0); }

LRESULT CALLBACK MessageBoxWatcher::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    // A box's text and icon are in place once its WM_INITDIALOG has returned.
    auto* call = reinterpret_cast<CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && current && call->message == WM_INITDIALOG && IsMessageBox(call->hwnd)) {
        HWND hwnd = call->hwnd;
        SeenBox box{hwnd, TextOf(hwnd), MessageBoxText(hwnd), IconOf(hwnd)};
        current->boxes_.push_back(box);
        if (current->onOpen_) current->onOpen_(box);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
