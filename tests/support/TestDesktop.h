#pragma once
// The desktop as tests use it: pumping messages until something happens,
// pressing chords, and asking whether a chord is held by anyone.

#include <windows.h>

#include <functional>

// Dispatches this thread's messages, as the program's loop does, until the condition holds or the time is
// up; returns whether it held.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Presses and releases a chord through the real input path.
void PressChord(UINT modifiers, UINT virtualKey);

// Whether some window already holds the chord: a registration of it fails.
bool ChordIsHeld(UINT modifiers, UINT virtualKey);
