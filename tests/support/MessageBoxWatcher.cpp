#include "support/MessageBoxWatcher.h"

#include <stdexcept>

namespace {

MessageBoxWatcher* current = nullptr;

// The message box's text and icon controls.
constexpr int BoxTextId = 0xFFFF;
constexpr int BoxIconId = 0x14;

std::string TextOf(HWND hwnd)
{
    char buffer[1024] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
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
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    UnhookWindowsHookEx(hook_);
    current = nullptr;
}

void MessageBoxWatcher::Answer(const SeenBox& box) { PostMessageA(box.hwnd, WM_COMMAND, IDOK, 0); }

LRESULT CALLBACK MessageBoxWatcher::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && current) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        bool known = false;
        for (const SeenBox& b : current->boxes_) known = known || b.hwnd == hwnd;
        if (!known && IsMessageBox(hwnd)) {
            HWND icon = GetDlgItem(hwnd, BoxIconId);
            SeenBox box{hwnd, TextOf(hwnd), TextOf(GetDlgItem(hwnd, BoxTextId)),
                        icon ? reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)) : nullptr};
            current->boxes_.push_back(box);
            if (current->onOpen_) current->onOpen_(box);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
