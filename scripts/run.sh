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

if [ -z "${DISPLAY:-}" ]; then
  read -r pid n < <(start_xvfb)
  trap 'kill $pid 2>/dev/null || true' EXIT
  export DISPLAY=":$n"
  echo "No display: Duradarudo runs on the virtual display :$n."
  echo "Look at it with: DISPLAY=:$n xwd -root -silent | convert xwd:- shot.png"
  echo "or attach a viewer: x11vnc -display :$n  (then any VNC client)"
fi
export WINEPREFIX="$build_dir/wineprefix-run"
ensure_prefix "$WINEPREFIX"
"${wine[@]}" "$build_dir/Duradarudo.exe"
