#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh all
export QT_QPA_PLATFORM=offscreen
# The random-input runs take their seeds from the commit (scripts/seed.sh)
# unless one is given.
seed=${TARVIK_SEED:-$(bash scripts/seed.sh 0)}
(cd build && TARVIK_SEED=$seed ctest --output-on-failure -j"$(nproc)" --timeout 600)
# The same suite with the software extended Real. Its random-input run is
# shorter: each event costs about ten times as much there.
bash scripts/build.sh portable
(cd build-portable && TARVIK_SEED=$((seed + 1)) TARVIK_EVENTS=40000 ctest --output-on-failure -j"$(nproc)" --timeout 600)
