# Sourced by the scripts that start Windows programs: the build's private Wine
# prefixes and the helpers that bring up a prefix and a virtual display.
# Never ~/.wine: tests write to the registry and must not touch a real one.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="${DURADARUDO_BUILD_DIR:-$root/build}"

export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts when a prefix is created.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Creates the prefix once; concurrent callers wait for the first one. With
# "unmanaged" Wine draws its windows without asking a window manager: on Xvfb,
# where there is none, it otherwise waits two seconds for every window it hides.
ensure_prefix() {
  local prefix=$1 mode=${2:-}
  mkdir -p "$prefix"
  (
    flock 9
    if [ ! -f "$prefix/.duradarudo-ready" ]; then
      WINEPREFIX="$prefix" wineboot -i >/dev/null 2>&1
      # Windows always has the per-user Run key; a new Wine prefix lacks it.
      WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /f >/dev/null 2>&1
      if [ "$mode" = unmanaged ]; then
        WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      fi
      WINEPREFIX="$prefix" wineserver -w
      touch "$prefix/.duradarudo-ready"
    fi
  ) 9>"$prefix.lock"
}

# Starts Xvfb on the first free display number from $2 on and prints the number.
start_xvfb() {
  local n=$1 tries
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  echo "$! $n"
  for tries in $(seq 1 100); do
    DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb on :$n did not come up" >&2
  return 1
}
