#!/usr/bin/env bash
# Runs one Windows executable under Wine: CTest starts every test through here.
# DURADARUDO_PROFILE=e2e selects the second prefix and display, so that the
# end-to-end tests, which start the real program, share nothing with the others.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
choose_wine

if [ "${DURADARUDO_PROFILE:-}" = e2e ]; then
  export WINEPREFIX="$build_dir/wineprefix-e2e"
  export DISPLAY="${DURADARUDO_E2E_DISPLAY:-${DISPLAY:-}}"
else
  export WINEPREFIX="$build_dir/wineprefix"
fi
# DURADARUDO_LOCALE=ja_JP.UTF-8 runs the test under that Unix locale, from which
# Wine takes the ANSI code page (932 for Japanese). The locale is compiled once
# into the build folder, so the machine needs no locale of its own.
if [ -n "${DURADARUDO_LOCALE:-}" ]; then
  export LOCPATH="$build_dir/locale"
  mkdir -p "$LOCPATH"
  (
    flock 9
    [ -d "$LOCPATH/$DURADARUDO_LOCALE" ] ||
      localedef -i "${DURADARUDO_LOCALE%%.*}" -f "${DURADARUDO_LOCALE#*.}" "$LOCPATH/$DURADARUDO_LOCALE"
  ) 9>"$LOCPATH.lock"
  export LC_ALL="$DURADARUDO_LOCALE"
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: no display; run the tests through scripts/test.sh" >&2
  exit 2
fi
ensure_prefix "$WINEPREFIX" unmanaged
exec "${wine[@]}" "$@"
