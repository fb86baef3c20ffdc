#!/usr/bin/env bash
# Installs what is missing, builds, and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -x build/window/tarvik ]; then
  exec build/window/tarvik
fi
echo "Built the library, tests and benchmarks; the calculator program is not part of this build yet."
