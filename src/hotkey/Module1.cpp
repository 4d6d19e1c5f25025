#include "hotkey/Module1.h"

#include "hotkey/SettingsLayout.h"
#include "hotkey/frmHotKeys.h"
#include "platform/Conversions.h"
#include "platform/RuntimeError.h"

namespace Module1 {

WNDPROC PrevWindowProc = nullptr;
HWND HookedWindow = nullptr;

bool ModifierIsOn(std::string_view text)
{
    const double value = forms::Val(text);
    if (!forms::FitsInt32(value)) return true;
    return forms::CLng(value) != 0;
}

UINT VirtualKeyOf(std::string_view text)
{
    if (text.empty()) return 0;
    const char first = text.front();
    if (IsDBCSLeadByte(static_cast<BYTE>(first))) return 0;
    char upper[2] = {first, '\0'};
    CharUpperBuffA(upper, 1);  // the ANSI code page's own upper case
    return static_cast<BYTE>(upper[0]);
}

HotkeyChord StoredHotkeyChord()
{
    const bool ctrl = ModifierIsOn(settings::Read(settings::Ctrl));
    const bool alt = ModifierIsOn(settings::Read(settings::Alt));
    const bool shift = ModifierIsOn(settings::Read(settings::Shift));
    const std::string key = settings::Read(settings::Key);

    UINT modifiers = 0;
    if (ctrl) modifiers |= MOD_CONTROL;
    if (alt) modifiers |= MOD_ALT;
    if (shift) modifiers |= MOD_SHIFT;
    return {modifiers, VirtualKeyOf(key)};
}

void ApplyHotkeySettings(HWND hwnd)
{
    const HotkeyChord chord = StoredHotkeyChord();
    // The old registration goes first, whatever the settings say, so a refused
    // registration leaves the window without any hotkey.
    UnregisterHotKey(hwnd, LockHotkeyId);
    if (chord.modifiers != 0 && chord.virtualKey != 0)
        RegisterHotKey(hwnd, LockHotkeyId, chord.modifiers, chord.virtualKey);
}

void HookWindow(HWND hwnd)
{
    HookedWindow = hwnd;
    PrevWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotkeyWindowProc)));
}

void UnhookWindow()
{
    if (!PrevWindowProc) return;
    SetWindowLongPtrA(HookedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PrevWindowProc));
    PrevWindowProc = nullptr;
}

LRESULT CALLBACK HotkeyWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HOTKEY && wParam == static_cast<WPARAM>(LockHotkeyId))
        forms::RunEntryPoint([] { frmHotKeys.HotkeyPressed(LockHotkeyId); });
    return CallWindowProcA(PrevWindowProc, hwnd, message, wParam, lParam);
}

}  // namespace Module1
