#!/usr/bin/env bash
# Configures (Release) and builds into ./build. With "all", also the tests,
# the benchmarks and the demos, warnings as errors; without, the program only.
# With "portable": the parts that compute in Real (numbers, mathematics,
# the calculator core) and their tests, in the software extended Real (as on
# machines whose long double is not x87's), into ./build-portable. The
# layers above only show the core's texts, and are tested in ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = portable ]; then
  cmake -S . -B build-portable -DCMAKE_BUILD_TYPE=Release -DTARVIK_BUILD_TESTS=ON -DTARVIK_WERROR=ON \
        -DTARVIK_PORTABLE_REAL=ON -DTARVIK_CORE_ONLY=ON >/dev/null
  cmake --build build-portable -j"$(nproc)"
elif [ "${1:-}" = all ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTARVIK_BUILD_TESTS=ON -DTARVIK_BUILD_BENCH=ON \
        -DTARVIK_BUILD_DEMOS=ON -DTARVIK_WERROR=ON >/dev/null
  cmake --build build -j"$(nproc)"
else
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build -j"$(nproc)" --target tarvik
fi
