#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into ./build-fuzz and runs them.
# Usage: scripts/fuzz.sh [TARGET|all] [SECONDS]   (default: all, 30 s each)
# Each target starts from its seed corpus and dictionary in fuzz/; new
# inputs go to build-fuzz/corpus/TARGET. A crash fails the run and leaves
# its input in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh clang-14 libclang-rt-14-dev >/dev/null
target="${1:-all}"
seconds="${2:-30}"
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++-14 \
      -DTARVIK_BUILD_FUZZ=ON -DCMAKE_CXX_FLAGS="$flags" >/dev/null
targets=(number_text_fuzz format_fuzz key_filter_fuzz spin_rules_fuzz chart_layout_fuzz command_line_fuzz)
[ "$target" = all ] || targets=("$target")
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=0
for t in "${targets[@]}"; do
  name="${t%_fuzz}"
  mkdir -p "build-fuzz/corpus/$t"
  echo "== $t for ${seconds} s"
  log="build-fuzz/$t.log"
  status=0
  # A unit slower than 60 s is a hang: it fails at once, not after
  # libFuzzer's default 20 minutes.
  (cd build-fuzz && "./fuzz/$t" -max_total_time="$seconds" -timeout=60 -print_final_stats=1 \
      -dict="../fuzz/$name.dict" "corpus/$t" "../fuzz/corpus/$name") >"$log" 2>&1 || status=$?
  grep -E "stat::number_of_executed_units|stat::average_exec_per_sec|SUMMARY|ERROR|Test unit written" "$log" || true
  echo "corpus: $(ls "build-fuzz/corpus/$t" | wc -l) inputs"
  if [ "$status" != 0 ]; then tail -40 "$log"; echo "$t failed"; exit 1; fi
done
