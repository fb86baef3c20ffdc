#!/usr/bin/env bash
# Starts a program of the build under Xvfb and saves a PNG of its screen.
# Usage: scripts/screenshot.sh OUTPUT.png PROGRAM [ARGS...]
set -euo pipefail
out="$1"; shift
bash "$(dirname "$0")/install-deps.sh" xvfb xauth x11-apps imagemagick >/dev/null
display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1024x640x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" "${app:-}" 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" QT_QPA_PLATFORM=xcb "$@" &
app=$!
sleep "${SCREENSHOT_DELAY:-2}"
DISPLAY="$display" xwd -root -silent | convert xwd:- -trim +repage "$out"
echo "wrote $out"
