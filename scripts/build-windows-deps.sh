#!/usr/bin/env bash
# Cross-builds the static Windows libraries that Debian does not package for
# mingw (libpng, libjpeg-turbo, Google Benchmark) from Debian's own source
# packages into build/deps/win64. Nothing of their source is committed.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
DEPS=$ROOT/build/deps
PREFIX=$DEPS/win64
TOOLCHAIN=$ROOT/cmake/mingw-w64-x86_64.cmake
mkdir -p "$DEPS/src" "$PREFIX"

# build_source PACKAGE STAMP [cmake args...]
build_source() {
  local package=$1 stamp=$PREFIX/.$2.done
  shift 2
  [ -f "$stamp" ] && return 0
  echo "setup: cross-building $package for Windows"
  local work=$DEPS/src/$package
  rm -rf "$work" && mkdir -p "$work"
  (cd "$work" && apt-get source --download-only "$package" >/dev/null 2>&1)
  local tarball
  tarball=$(ls "$work"/*.orig.tar.* | head -n1)
  mkdir -p "$work/tree" && tar -xf "$tarball" -C "$work/tree" --strip-components=1
  cmake -S "$work/tree" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_CROSSCOMPILING_EMULATOR= "$@" -Wno-dev >"$work/configure.log" 2>&1
  cmake --build "$work/build" >"$work/build.log"
  cmake --install "$work/build" >"$work/install.log"
  touch "$stamp"
}

build_source libpng1.6 libpng \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include
build_source libjpeg-turbo libjpeg \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
build_source benchmark benchmark \
  -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF \
  -DBENCHMARK_ENABLE_INSTALL=ON
