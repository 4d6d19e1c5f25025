#pragma once
// Sees every message box of this thread as it opens (a hook on its dialog set-up), records its
// caption, text and icon, and lets the test answer it.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct SeenBox {
    HWND hwnd;
    std::string caption;
    std::string text;
    HICON icon;  // the icon the box shows, or null
};

class MessageBoxWatcher {
public:
    using OnOpen = std::function<void(const SeenBox&)>;

    // By default every box is answered with OK as soon as it opens.
    explicit MessageBoxWatcher(OnOpen onOpen = Answer);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    const std::vector<SeenBox>& Boxes() const { return boxes_; }

    // Answers a box from within its own loop.
    static void Answer(const SeenBox& box);

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook_;
    OnOpen onOpen_;
    std::vector<SeenBox> boxes_;
};
