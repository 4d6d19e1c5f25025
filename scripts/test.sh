#!/usr/bin/env bash
# Installs what the build needs, builds, and runs every test under Wine, each
# group of tests on a virtual display of its own. Extra arguments go to ctest.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
cd "$root"

bash scripts/setup.sh
choose_wine
# The shipped program is always built; the tests run on the build that this
# machine's Wine can start.
cmake --preset mingw
cmake --build --preset mingw
if [ "$preset" != mingw ]; then
  echo "test: this kernel starts no 32-bit programs; the tests run the 64-bit build"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
fi

pids=()
cleanup() {
  WINEPREFIX="$build_dir/wineprefix" wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$build_dir/wineprefix-e2e" wineserver -k >/dev/null 2>&1 || true
  [ "${#pids[@]}" -gt 0 ] && kill "${pids[@]}" 2>/dev/null || true
}
trap cleanup EXIT

read -r pid n < <(start_xvfb) && pids+=("$pid")
export DISPLAY=":$n"
read -r pid n < <(start_xvfb) && pids+=("$pid")
export DURADARUDO_E2E_DISPLAY=":$n"

ensure_prefix "$build_dir/wineprefix" unmanaged & ensure_prefix "$build_dir/wineprefix-e2e" unmanaged & wait
ctest --preset "$preset" "$@"
