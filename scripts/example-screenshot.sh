#!/usr/bin/env bash
# Starts the calculator in a real X session (Xvfb and openbox), types into
# it with xdotool as a user would, and saves a PNG of its window.
# Usage: scripts/example-screenshot.sh OUTPUT.png [XDOTOOL-KEY-WORDS...]
#   Each word is one xdotool action: "type:TEXT", "key:KEYS" or "wait:SECONDS".
#   The focus starts in the cdf field; Tab order: cdf, value, df, help, the
#   two boxes, upper tail.
set -euo pipefail
out="$1"; shift
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh xvfb xauth x11-apps imagemagick openbox xdotool >/dev/null
display=":$((60 + RANDOM % 20))"
Xvfb "$display" -screen 0 1024x640x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "${app:-}" "${wm:-}" "$xvfb" 2>/dev/null || true' EXIT
sleep 1
export DISPLAY="$display"
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
QT_QPA_PLATFORM=xcb build/window/tarvik &
app=$!
window=""
for _ in $(seq 50); do
  window=$(xdotool search --onlyvisible --name "Tarvik" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the calculator's window did not appear" >&2; exit 1; }
xdotool windowactivate --sync "$window"
sleep 0.5
for action in "$@"; do
  case "$action" in
    type:*) xdotool type --delay 60 "${action#type:}" ;;
    key:*) xdotool key --delay 60 ${action#key:} ;;
    wait:*) sleep "${action#wait:}" ;;
    *) echo "unknown action: $action" >&2; exit 2 ;;
  esac
  sleep 0.2
done
sleep 0.5
# import, not xwd: xwd shows a freshly mapped window as black.
import -window root -crop 660x300+175+175 +repage "$out"
echo "wrote $out"
