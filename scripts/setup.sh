#!/usr/bin/env bash
# Installs everything a fresh Debian 12 machine lacks to build, run and test
# Quorvane, and cross-builds the Windows-only libraries into build/deps.
# Idempotent: a second run installs nothing and rebuilds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev dpkg-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev
  wine64 wine fonts-wine xvfb xauth x11-utils xcompmgr xdotool imagemagick
  zlib1g-dev libpng-dev libjpeg-dev libgtest-dev googletest libbenchmark-dev libmagick++-6.q16-dev
)
SOURCE_LIST=/etc/apt/sources.list.d/quorvane-bookworm-src.sources

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ ! -f "$SOURCE_LIST" ]; then
  if [ ! -f "$SOURCE_LIST" ]; then
    cat > "$SOURCE_LIST" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  fi
  echo "setup: installing ${missing[*]:-source index}"
  apt-get update -qq
  if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi

exec scripts/build-windows-deps.sh
