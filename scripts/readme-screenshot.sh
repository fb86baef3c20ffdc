#!/usr/bin/env bash
# Rebuilds the screenshots of the README: the calculator at start-up, the
# controls demo in both painting paths and the chart demo.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh xvfb xauth x11-apps imagemagick
bash scripts/build.sh all >/dev/null
mkdir -p docs/screenshots
bash scripts/screenshot.sh docs/screenshots/tarvik.png build/window/tarvik
bash scripts/screenshot.sh docs/screenshots/controls-styles.png build/controls_demo
TARVIK_CLASSIC_LOOK=1 bash scripts/screenshot.sh docs/screenshots/controls-classic.png build/controls_demo
QT_QPA_PLATFORM=offscreen build/chart_demo docs/screenshots/chart-demo.png 4 7.779
build/window/tarvik --df 4 --value 3 --export-chart docs/screenshots/chart-df4.png >/dev/null
build/window/tarvik --df 12 --value 23.5 --export-chart docs/screenshots/chart-df12.png >/dev/null
