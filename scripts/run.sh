#!/usr/bin/env bash
# Builds if needed and starts Duradarudo.exe under Wine. With no display it starts
# a virtual one and says how to look at it.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
cd "$root"

bash scripts/setup.sh
choose_wine
[ -f "$build_dir/build.ninja" ] || cmake --preset "$preset"
cmake --build --preset "$preset" --target Duradarudo

# A real display has a window manager to draw the frames; on a virtual one Wine
# draws them itself. The prefix serves both, so the choice is stored at every start.
managed=Y
if [ -z "${DISPLAY:-}" ]; then
  read -r pid n < <(start_xvfb)
  trap 'kill $pid 2>/dev/null || true' EXIT
  export DISPLAY=":$n"
  managed=N
  echo "No display: Duradarudo runs on the virtual display :$n."
  echo "Look at it with: DISPLAY=:$n xwd -root -silent | convert xwd:- shot.png"
fi
# Ctrl+C reaches the whole foreground group: Wine's default handling of it ends
# the program's process at once, and a virtual display started here ends too,
# taking the program with it. Only the program's own Exit removes its icon first.
echo "To end it: right-click its icon in the notification area and choose Exit;"
echo "Ctrl+C here ends its process at once (and the virtual display, if this script started one)."
export WINEPREFIX="$build_dir/wineprefix-run"
ensure_prefix "$WINEPREFIX"
"${wine[@]}" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1
"${wine[@]}" "$build_dir/Duradarudo.exe"
