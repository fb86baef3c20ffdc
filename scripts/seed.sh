#!/usr/bin/env bash
# Prints the seed of a random-input run in CI: fixed by the commit, so that a
# red run replays exactly (the same clone, the same events), and new with
# every commit, so that the runs still explore. $1 (0, 1, 2...) keeps the
# suites of one commit apart. Outside a git checkout the seed is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
head=$(git rev-parse --short=7 HEAD 2>/dev/null || echo 1)
echo $(( 16#$head + ${1:-0} ))
