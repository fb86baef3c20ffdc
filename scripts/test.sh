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
# The parts that compute in Real again, in the software extended Real.
bash scripts/build.sh portable
(cd build-portable && ctest --output-on-failure -j"$(nproc)" --timeout 600)
# The page's module in WebAssembly against its native twin, byte for byte,
# and the page itself driven in headless Chromium.
bash scripts/web.sh check
