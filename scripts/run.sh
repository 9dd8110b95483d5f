#!/usr/bin/env bash
# Builds Quorvane and runs it under Wine. With an X display the window opens there.
# Without one, a headless demonstration runs on Xvfb: the program starts, "Ping Test Start"
# (with no host given, ping prints its usage) and "Display full TCP/IP configuration" are
# clicked, the output pane's text is printed and a screenshot of the scrolled pane is saved
# as build/quorvane.png.
set -euo pipefail
source "$(dirname "$0")/common.sh"
scripts/setup.sh
build_windows >/dev/null
BIN=$QUORVANE_ROOT/build/win/bin

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec scripts/wine-exec.sh "$BIN/quorvane.exe"
fi

echo "No X display: running the headless demonstration on Xvfb."
xvfb-run "${XVFB_ARGS[@]}" bash -s "$BIN" <<'DEMO'
set -euo pipefail
BIN=$1
source scripts/wine-env.sh
# A compositor, so layered windows (glows, shadows) show as a user sees them.
xcompmgr >/dev/null 2>&1 &
wine "$BIN/quorvane.exe" &
PROGRAM=$!
CAPTION="Quorvane v1.1"
wine "$BIN/qv_probe.exe" click "$CAPTION" "Ping Test Start"
wine "$BIN/qv_probe.exe" click "$CAPTION" "Display full TCP/IP configuration"
echo "--- output pane ---"
wine "$BIN/qv_probe.exe" output "$CAPTION"
echo "-------------------"
# The window and its frame, cut out of the screen.
import -window root -crop "$(wine "$BIN/qv_probe.exe" geometry "$CAPTION")" +repage build/quorvane.png
wine "$BIN/qv_probe.exe" close "$CAPTION"
wait "$PROGRAM"
DEMO
echo "Screenshot: build/quorvane.png"
