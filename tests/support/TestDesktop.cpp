#include "support/TestDesktop.h"

#include "platform/Form.h"

#include <vector>

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) forms::ProcessMessage(msg);
        if (condition()) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return condition();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed < 50 ? timeoutMs - elapsed : 50,
                                  QS_ALLINPUT);
    }
}

void PressChord(UINT modifiers, UINT virtualKey)
{
    std::vector<WORD> keys;
    if (modifiers & MOD_CONTROL) keys.push_back(VK_CONTROL);
    if (modifiers & MOD_ALT) keys.push_back(VK_MENU);
    if (modifiers & MOD_SHIFT) keys.push_back(VK_SHIFT);
    keys.push_back(static_cast<WORD>(virtualKey));

    std::vector<INPUT> inputs;
    auto key = [&](WORD vk, DWORD flags) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        in.ki.dwFlags = flags;
        inputs.push_back(in);
    };
    for (WORD vk : keys) key(vk, 0);
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) key(*it, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool ChordIsHeld(UINT modifiers, UINT virtualKey)
{
    constexpr int ProbeId = 0xBEEF;
    if (RegisterHotKey(nullptr, ProbeId, modifiers, virtualKey)) {
        UnregisterHotKey(nullptr, ProbeId);
        return false;
    }
    return true;
}
