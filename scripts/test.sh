#!/usr/bin/env bash
# Builds and runs every test: the include check of the layers, the portable core natively (plain, then with ASan/UBSan),
# the Windows tests under Wine, and the end-to-end test of the real program.
set -uo pipefail
source "$(dirname "$0")/common.sh"
scripts/setup.sh || exit 1

declare -A RESULTS
ORDER=()
run_suite() {
  local name=$1
  shift
  echo "=== $name"
  ORDER+=("$name")
  if "$@"; then RESULTS[$name]=passed; else RESULTS[$name]=failed; fi
}

native_plain() {
  configure_and_build build/native -DCMAKE_BUILD_TYPE=Release &&
    ctest --test-dir build/native --output-on-failure
}
native_sanitized() {
  configure_and_build build/asan -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_SANITIZE=ON &&
    ctest --test-dir build/asan --output-on-failure
}
windows() {
  build_windows && xvfb-run "${XVFB_ARGS[@]}" ctest --test-dir build/win --output-on-failure
}

run_suite "layers" scripts/check-layers.sh
run_suite "native" native_plain
run_suite "native-sanitized" native_sanitized
run_suite "windows-under-wine" windows

passed=0 failed=0
echo "=== Summary"
for name in "${ORDER[@]}"; do
  echo "  $name: ${RESULTS[$name]}"
  if [ "${RESULTS[$name]}" = passed ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done
echo "suites: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
