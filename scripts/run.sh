#!/usr/bin/env bash
# Installs what the program needs and is missing, builds the program alone
# (no tests, no benchmarks), and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --program
bash scripts/build.sh
exec build/window/tarvik
