# Sourced by the scripts that start Windows programs: the build's private Wine
# prefixes and the helpers that bring up a prefix and a virtual display.
# Never ~/.wine: tests write to the registry and must not touch a real one.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="${DURADARUDO_BUILD_DIR:-$root/build}"
wine=(wine)
preset=mingw

# Wine runs a 32-bit Windows program in a 32-bit Linux process, which a kernel
# booted without 32-bit support (ia32_emulation=off) refuses to start. There the
# tests take a 64-bit build of the same sources and 64-bit Wine; the shipped
# program is the 32-bit build all the same. qemu, where it is registered to run
# 32-bit programs, starts Wine's loader but cannot run Wine. Call after set-up.
runs_32_bit_wine() {
  /usr/lib/wine/wine --version >/dev/null 2>&1 && ! grep -qs qemu-i386 /proc/sys/fs/binfmt_misc/*
}
choose_wine() {
  if runs_32_bit_wine; then return 0; fi
  wine=(/usr/lib/wine/wine64)
  export WINELOADER=/usr/lib/wine/wine64
  preset=mingw64
  build_dir="${DURADARUDO_BUILD_DIR:-$root/build/x64}"
}

export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts when a prefix is created.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Wine's own fonts (Debian fonts-wine): Marlett draws the caption buttons, and the
# "MS Sans Serif" bitmap faces measure text as Windows does. This Wine finds them
# only in a prefix's windows\Fonts folder.
wine_fonts=/usr/share/wine/fonts

# Creates the prefix once; concurrent callers wait for the first one. With
# "unmanaged" Wine draws its windows without asking a window manager: on Xvfb,
# where there is none, it otherwise waits two seconds for every window it hides,
# and windows have no title bar. The fonts are copied at every call, so that a
# prefix made before them gets them too.
ensure_prefix() {
  local prefix=$1 mode=${2:-}
  if [ ! -f "$wine_fonts/marlett.ttf" ]; then
    echo "Wine's fonts are missing ($wine_fonts): run scripts/setup.sh" >&2
    return 1
  fi
  mkdir -p "$prefix"
  (
    flock 9
    if [ ! -f "$prefix/.duradarudo-ready" ]; then
      WINEPREFIX="$prefix" "${wine[@]}" wineboot -i >/dev/null 2>&1
      # Windows always has the per-user Run key; a new Wine prefix lacks it.
      WINEPREFIX="$prefix" "${wine[@]}" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /f >/dev/null 2>&1
      if [ "$mode" = unmanaged ]; then
        WINEPREFIX="$prefix" "${wine[@]}" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      fi
      WINEPREFIX="$prefix" wineserver -w
      touch "$prefix/.duradarudo-ready"
    fi
    mkdir -p "$prefix/drive_c/windows/Fonts"
    cp -u "$wine_fonts"/* "$prefix/drive_c/windows/Fonts/"
  ) 9>"$prefix.lock"
}

# Starts Xvfb on a display number that it picks itself and prints "pid number".
# Xvfb claims the number atomically, so scripts started side by side never
# share a display.
start_xvfb() {
  local numfile tries n
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  local pid=$!
  for tries in $(seq 1 100); do
    n=$(tr -dc 0-9 <"$numfile")
    if [ -n "$n" ] && DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
      rm -f "$numfile"
      echo "$pid $n"
      return 0
    fi
    sleep 0.1
  done
  rm -f "$numfile"
  echo "Xvfb did not come up" >&2
  return 1
}
