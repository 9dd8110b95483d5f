# Sourced by the run and test commands: configure and build helpers.
QUORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$QUORVANE_ROOT"
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}

# configure_and_build DIR [cmake args...]
configure_and_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -Wno-dev "$@" >"$dir.configure.log" 2>&1 ||
    { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir"
}

build_windows() {
  mkdir -p build
  configure_and_build build/win -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QUORVANE_ROOT/cmake/mingw-w64-x86_64.cmake"
}

# The X screen every Windows run uses: big enough for the window and its shadow.
XVFB_ARGS=(-a -s "-screen 0 1280x800x24 +extension Composite")
