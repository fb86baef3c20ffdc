#!/usr/bin/env bash
# Builds the tests with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer into ./build-sanitize and runs the whole ctest
# suite there. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
# Here every file compiles alone, not in its target's batches: a file that
# leans on an include or a name of the file before it in its batch fails
# here, not first on a developer's machine.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVIK_BUILD_TESTS=ON -DTARVIK_UNITY_BUILD=OFF \
      -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build build-sanitize -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
# Qt's Wayland window-decoration plugin keeps an allocation that LeakSanitizer
# reports after the plugin is unloaded, from an unknown module that no
# suppression can name: the Wayland start runs here without decorations
# (the suite outside the sanitizers starts it with them).
export QT_WAYLAND_DISABLE_WINDOWDECORATION=1
# The random-input test is slower under the sanitizers: a shorter run.
export TARVIK_EVENTS="${TARVIK_EVENTS:-100000}"
export TARVIK_SEED="${TARVIK_SEED:-$(($(bash scripts/seed.sh 0) + 2))}"
cd build-sanitize
ctest --output-on-failure -j"$(nproc)" --timeout 900
