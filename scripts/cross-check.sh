#!/usr/bin/env bash
# Builds the parts without Qt (the mathematics, the number texts, the
# calculator core) and their tests for two other machines, and runs them
# there through emulation:
#   1. aarch64 Linux (crossbuild-essential-arm64, run under qemu-aarch64).
#      long double is binary128 there, so the software extended Real is
#      chosen on its own.
#   2. Windows x86-64 (MinGW-w64, run under wine64). long double is x87's
#      there; MinGW's printf prints it wrongly unless its ANSI stdio is on.
# Each prints its test summary; the script fails if either fails.
# Usage: scripts/cross-check.sh [aarch64|windows]...   (default: both)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/install-deps.sh crossbuild-essential-arm64 qemu-user g++-mingw-w64-x86-64-posix wine64 googletest \
  libboost-dev >/dev/null

# Only boost/ from the build machine's headers: a cross compiler must not
# see its glibc headers.
boost_dir="$root/build-cross/boost-only"
mkdir -p "$boost_dir"
ln -sfn /usr/include/boost "$boost_dir/boost"

tests=(core_tests math_tests calc_tests math_accuracy_tests)

# build NAME COMPILER SYSTEM PROCESSOR EXTRA-FLAGS...
build() {
  local name=$1 compiler=$2 system=$3 processor=$4
  shift 4
  cmake -S . -B "build-cross/$name" -DCMAKE_BUILD_TYPE=Release -DTARVIK_CORE_ONLY=ON -DTARVIK_WERROR=ON \
    -DCMAKE_SYSTEM_NAME="$system" -DCMAKE_SYSTEM_PROCESSOR="$processor" -DCMAKE_CXX_COMPILER="$compiler" \
    -DCMAKE_C_COMPILER="${compiler/g++/gcc}" \
    -DTARVIK_BOOST_INCLUDE_DIR="$boost_dir" -DTARVIK_GTEST_SOURCE=/usr/src/googletest/googletest \
    -DCMAKE_EXE_LINKER_FLAGS="-static" "$@" >/dev/null
  # (The static aarch64 link warns that gtest's unused socket code wants
  # glibc's resolver at run time; the log keeps it.)
  cmake --build "build-cross/$name" -j"$(nproc)" --target "${tests[@]}" >"build-cross/$name.build.log" 2>&1 ||
    { tail -30 "build-cross/$name.build.log"; return 1; }
}

# run NAME RUNNER...: each test program, its own summary line, and a total.
run() {
  local name=$1
  shift
  local passed=0 skipped=0 failed=0 start=$SECONDS
  echo "== $name"
  for t in "${tests[@]}"; do
    local exe="build-cross/$name/tests/$t"
    [ -f "$exe.exe" ] && exe="$exe.exe"
    local log="build-cross/$name/$t.log"
    if "$@" "$exe" --gtest_brief=1 >"$log" 2>&1; then :; fi
    local ran ok skip
    ran=$(grep -Eo '^\[==========\] [0-9]+ tests? from' "$log" | grep -Eo '[0-9]+' | head -1 || echo 0)
    ok=$(grep -Eo '^\[  PASSED  \] [0-9]+' "$log" | grep -Eo '[0-9]+' || echo 0)
    skip=$(grep -Eo '^\[  SKIPPED \] [0-9]+ test' "$log" | grep -Eo '[0-9]+' || echo 0)
    printf '  %-22s %4s tests, %4s passed, %s skipped\n' "$t" "${ran:-0}" "${ok:-0}" "${skip:-0}"
    grep -E '^\[  FAILED  \]|Failure' "$log" | head -5 | sed 's/^/    /' || true
    passed=$((passed + ${ok:-0}))
    skipped=$((skipped + ${skip:-0}))
    failed=$((failed + ${ran:-0} - ${ok:-0} - ${skip:-0}))
    [ "${ran:-0}" -gt 0 ] || failed=$((failed + 1))
  done
  echo "$name: $passed passed, $skipped skipped, $failed failed in $((SECONDS - start)) s"
  [ "$failed" -eq 0 ]
}

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(aarch64 windows)
status=0
for target in "${targets[@]}"; do
  case "$target" in
    aarch64)
      build aarch64 aarch64-linux-gnu-g++ Linux aarch64
      run aarch64 qemu-aarch64 || status=1
      ;;
    windows)
      # The exact printf of long double needs MinGW's own (ANSI) stdio.
      build windows x86_64-w64-mingw32-g++-posix Windows AMD64 -DCMAKE_CXX_FLAGS="-D__USE_MINGW_ANSI_STDIO=1"
      export WINEDEBUG=-all WINEPREFIX="$root/build-cross/wineprefix"
      # Debian installs the 64-bit loader off the PATH.
      wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
      run windows "$wine" || status=1
      ;;
    *) echo "unknown target: $target" >&2; exit 2 ;;
  esac
done
exit $status
