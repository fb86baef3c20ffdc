#!/usr/bin/env bash
# Configures (Release) and builds into ./build. With "all", also the tests,
# the benchmarks and the demos, warnings as errors; without, the program only.
# With "portable": the parts that compute in Real (numbers, mathematics,
# the calculator core) and their tests, in the software extended Real (as on
# machines whose long double is not x87's), into ./build-portable. The
# layers above only show the core's texts, and are tested in ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
# A new build folder is made for Ninja where it is installed: Ninja starts
# a program's files while the libraries beneath it still compile, where
# make waits for each library to link. A folder made before keeps its own
# generator (CMake refuses to change it).
configure() {
  local dir=$1
  shift
  local generator=()
  if [ ! -f "$dir/CMakeCache.txt" ] && command -v ninja >/dev/null; then generator=(-G Ninja); fi
  cmake -S . -B "$dir" "${generator[@]}" "$@" >/dev/null
}
if [ "${1:-}" = portable ]; then
  configure build-portable -DCMAKE_BUILD_TYPE=Release -DTARVIK_BUILD_TESTS=ON -DTARVIK_WERROR=ON \
            -DTARVIK_PORTABLE_REAL=ON -DTARVIK_CORE_ONLY=ON
  cmake --build build-portable -j"$(nproc)"
elif [ "${1:-}" = all ]; then
  configure build -DCMAKE_BUILD_TYPE=Release -DTARVIK_BUILD_TESTS=ON -DTARVIK_BUILD_BENCH=ON \
            -DTARVIK_BUILD_DEMOS=ON -DTARVIK_WERROR=ON
  cmake --build build -j"$(nproc)"
else
  configure build -DCMAKE_BUILD_TYPE=Release
  cmake --build build -j"$(nproc)" --target tarvik
fi
