#!/usr/bin/env bash
# Regenerates every icon image, and the icon directories, from the drawings in
# res/ (AppIcon.svg, AboutIcon.svg). The results are committed beside them.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v rsvg-convert >/dev/null; then
  echo "make-icons: rsvg-convert is missing; scripts/setup.sh installs it" >&2
  exit 1
fi
python3 scripts/make_icons.py
echo "make-icons: res/icons written"
