#pragma once
// The lock hotkey: how the stored settings become a registration on a window,
// and the hook that lets that window see the hotkey message.

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace Module1 {

inline constexpr int LockHotkeyId = 1;  // the only hotkey the program registers

// A chord as the settings give it; either part 0 means no hotkey.
struct HotkeyChord {
    UINT modifiers;
    UINT virtualKey;
};

// Whether a stored "Ctrl", "Alt" or "Shift" text turns its modifier on: its
// leading number rounded to 32 bits is nonzero. A number too large to round
// counts as on rather than ending the program over a hand-edited value.
bool ModifierIsOn(std::string_view text);
// The key of a stored "Key" text: its first character, upper-cased, is the
// virtual-key code. No key for an empty text, or for a first byte that starts a
// double-byte character (there is no single-byte code to use).
UINT VirtualKeyOf(std::string_view text);
HotkeyChord StoredHotkeyChord();

// Drops the lock hotkey of the window and registers it anew from the settings.
void ApplyHotkeySettings(HWND hwnd);

// The hook. PrevWindowProc is 0 while no hook is installed; HookedWindow is
// read only while it is not.
extern WNDPROC PrevWindowProc;
extern HWND HookedWindow;

void HookWindow(HWND hwnd);
void UnhookWindow();
LRESULT CALLBACK HotkeyWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace Module1
