#!/usr/bin/env bash
# Installs every Debian package the build and the tests need. Safe to run again:
# each step checks first and does nothing when its work is already done.
set -euo pipefail

packages=(
  cmake ninja-build googletest
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 fonts-wine xvfb xauth x11-utils
  x11-apps imagemagick librsvg2-bin python3 locales
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

# Installs those of the named packages that are missing; updates the lists first.
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
    need_update=0
  fi
}

install_missing "${packages[@]}"

# Where 32-bit Wine cannot run (wine-env.sh says when), the tests take a 64-bit
# build under 64-bit Wine: its loader and the 64-bit cross compiler.
. "$(dirname "$0")/wine-env.sh"
runs_32_bit_wine || install_missing wine64 g++-mingw-w64-x86-64-posix
if [ "${need_update:-0}" = 1 ]; then "${sudo_cmd[@]}" apt-get update -q; fi

# The program's threads and C++ exceptions need the POSIX-threads flavour of the
# cross compiler (std::mutex and friends are absent from the win32 flavour).
if command -v update-alternatives >/dev/null; then
  for tool in {i686,x86_64}-w64-mingw32-g++ {i686,x86_64}-w64-mingw32-gcc; do
    if [ -e "/usr/bin/$tool-posix" ]; then
      "${sudo_cmd[@]}" update-alternatives --set "$tool" "/usr/bin/$tool-posix" >/dev/null 2>&1 || true
    fi
  done
fi
echo "set-up: all packages present"
