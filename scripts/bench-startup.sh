#!/usr/bin/env bash
# How long Duradarudo takes to start under Wine, against an empty GUI program.
# Not a test, and not run by CI: it prints figures, it does not judge them.
#
#   scripts/bench-startup.sh [runs]     (default 10 runs of each)
#
# Duradarudo is timed from CreateProcess until its icon is in the notification
# area (a new icon window in Wine's stand-alone tray), which it adds once it holds
# Ctrl+Alt+L; a minimal program that only holds the chord from one hidden window,
# for scale, until its window's caption says it holds it; the empty program until
# it has exited. The probe then checks the chord with a RegisterHotKey of its own,
# which fails with 1409 while the program holds it (checking all along would
# take the chord from under a program that registers it just then). Each side
# gets one warm-up run that is not counted. Everything runs in a prefix and on an Xvfb
# display of its own, with "configured" stored so that no settings window opens.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
cd "$root"
choose_wine

runs=${1:-10}
bench_dir="$build_dir/bench"
prefix="$build_dir/wineprefix-bench"
cxx=$([ "$preset" = mingw ] && echo i686 || echo x86_64)-w64-mingw32-g++
mkdir -p "$bench_dir"

[ -f "$build_dir/Duradarudo.exe" ] || { cmake --preset "$preset" && cmake --build --preset "$preset"; }

cat >"$bench_dir/empty.cpp" <<'EOF'
#include <windows.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
EOF

# The least a program can do to hold the chord: one hidden window that registers it.
cat >"$bench_dir/minimal.cpp" <<'EOF'
#include <windows.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    HWND w = CreateWindowExA(0, "STATIC", "minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 300, 200,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (RegisterHotKey(w, 1, MOD_CONTROL | MOD_ALT, 'L')) SetWindowTextA(w, "minimal: chord held");
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
    return 0;
}
EOF

cat >"$bench_dir/probe.cpp" <<'EOF'
// probe hotkey <exe> <runs> | probe hotkey+icon <exe> <runs> | probe exit <exe> <runs>
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

static const UINT Mods = MOD_CONTROL | MOD_ALT;
static const UINT Key = 'L';
static const int ProbeId = 0x6B;

static bool ChordHeld()
{
    if (RegisterHotKey(nullptr, ProbeId, Mods, Key)) { UnregisterHotKey(nullptr, ProbeId); return false; }
    return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

// Icons shown in Wine's stand-alone notification area, one child window each.
static std::vector<HWND> TrayIcons()
{
    std::vector<HWND> icons;
    HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    for (HWND i = FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr); tray && i;
         i = FindWindowExA(tray, i, "__winex11_tray_icon", nullptr))
        if (IsWindowVisible(i)) icons.push_back(i);
    return icons;
}

static bool NewIcon(const std::vector<HWND>& before)
{
    for (HWND icon : TrayIcons())
        if (std::find(before.begin(), before.end(), icon) == before.end()) return true;
    return false;
}

static double Ms(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER f)
{
    return 1000.0 * double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

// One run: milliseconds from CreateProcess to the event, or -1.
static double Run(const std::string& exe, bool untilHotkey, bool andIcon)
{
    const std::vector<HWND> iconsBefore = TrayIcons();
    LARGE_INTEGER f, t0, t1;
    QueryPerformanceFrequency(&f);
    STARTUPINFOA si{}; si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string cmd = "\"" + exe + "\"";
    QueryPerformanceCounter(&t0);
    if (!CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    double ms = -1;
    if (untilHotkey) {
        for (int i = 0; i < 30000; ++i) {
            if (andIcon ? NewIcon(iconsBefore) : FindWindowA("STATIC", "minimal: chord held") != nullptr) {
                QueryPerformanceCounter(&t1);
                if (ChordHeld()) ms = Ms(t0, t1, f);
                break;
            }
            if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) break;  // died first
        }
        // Closing the tray window removes the icon and ends the program; an
        // icon of a killed program would stay in Wine's tray.
        if (HWND tray = andIcon ? FindWindowA("frmSystray", nullptr) : nullptr) PostMessageA(tray, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, andIcon ? 10000 : 0) != WAIT_OBJECT_0) {
            TerminateProcess(pi.hProcess, 0);
            WaitForSingleObject(pi.hProcess, 10000);
        }
        for (int i = 0; i < 10000 && ChordHeld(); ++i) Sleep(1);  // freed before the next run
    } else {
        if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0) {
            QueryPerformanceCounter(&t1);
            ms = Ms(t0, t1, f);
        } else {
            TerminateProcess(pi.hProcess, 0);
        }
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ms;
}

int main(int argc, char** argv)
{
    if (argc != 4) return 2;
    const std::string mode = argv[1];
    const bool untilHotkey = mode != "exit", andIcon = mode == "hotkey+icon";
    const std::string exe = argv[2];
    const int runs = std::atoi(argv[3]);
    if (untilHotkey && ChordHeld()) { std::printf("Ctrl+Alt+L is already held\n"); return 1; }
    Run(exe, untilHotkey, andIcon);  // warm-up: the first start loads everything from disk
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        double m = Run(exe, untilHotkey, andIcon);
        if (m < 0) { std::printf("run %d failed\n", i + 1); return 1; }
        ms.push_back(m);
    }
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    std::printf("%-9s %-22s runs %2zu  median %7.1f ms  min %7.1f ms  max %7.1f ms\n",
                mode == "exit" ? "to-exit" : andIcon ? "to-hk+icon" : "to-hotkey", exe.substr(exe.find_last_of('\\') + 1).c_str(), n, median,
                ms.front(), ms.back());
    return 0;
}
EOF

"$cxx" -O2 -static -mwindows -o "$bench_dir/empty.exe" "$bench_dir/empty.cpp"
"$cxx" -O2 -static -mwindows -o "$bench_dir/minimal.exe" "$bench_dir/minimal.cpp"
"$cxx" -O2 -static -std=c++20 -o "$bench_dir/probe.exe" "$bench_dir/probe.cpp"

xvfb_pid=
cleanup() {
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
read -r xvfb_pid n < <(start_xvfb)
export DISPLAY=":$n" WINEPREFIX="$prefix"
ensure_prefix "$prefix" unmanaged

"${wine[@]}" reg add 'HKCU\Software\VB and VBA Program Settings\Duradarudo\default' /v configured /d true /f >/dev/null 2>&1
"${wine[@]}" "$bench_dir/probe.exe" hotkey+icon "$("${wine[@]}" winepath -w "$build_dir/Duradarudo.exe" 2>/dev/null)" "$runs"
"${wine[@]}" "$bench_dir/probe.exe" hotkey "$("${wine[@]}" winepath -w "$bench_dir/minimal.exe" 2>/dev/null)" "$runs"
"${wine[@]}" "$bench_dir/probe.exe" exit "$("${wine[@]}" winepath -w "$bench_dir/empty.exe" 2>/dev/null)" "$runs"
