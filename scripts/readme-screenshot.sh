#!/usr/bin/env bash
# Rebuilds the screenshots of the README: the calculator at start-up, the
# controls demo in both painting paths and the chart demo.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh xvfb xauth x11-apps imagemagick openbox xdotool
bash scripts/build.sh all >/dev/null
mkdir -p docs/screenshots
bash scripts/example-screenshot.sh docs/screenshots/tarvik.png
# The critical value for df 10 at alpha 0.05: df 10, then 0.05 into the upper tail.
clear_field="key:End key:BackSpace key:BackSpace key:BackSpace key:BackSpace key:BackSpace key:BackSpace key:BackSpace key:BackSpace key:BackSpace"
bash scripts/example-screenshot.sh docs/screenshots/example-critical-value.png \
  key:Tab key:Tab $clear_field type:10 key:shift+Tab key:shift+Tab key:shift+Tab $clear_field type:0.05 key:Return
# The p-value of chi-square 23.5 with 12 df: df 12, then 23.5 into the value.
bash scripts/example-screenshot.sh docs/screenshots/example-p-value.png \
  key:Tab key:Tab $clear_field type:12 key:shift+Tab $clear_field type:23.5 key:Return
bash scripts/screenshot.sh docs/screenshots/controls-styles.png build/controls_demo
TARVIK_CLASSIC_LOOK=1 bash scripts/screenshot.sh docs/screenshots/controls-classic.png build/controls_demo
QT_QPA_PLATFORM=offscreen build/chart_demo docs/screenshots/chart-demo.png 4 7.779
build/window/tarvik --df 4 --value 3 --export-chart docs/screenshots/chart-df4.png >/dev/null
build/window/tarvik --df 12 --value 23.5 --export-chart docs/screenshots/chart-df12.png >/dev/null
