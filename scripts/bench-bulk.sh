#!/usr/bin/env bash
# A million numbers through standard input, beside R: `tarvik --df 3
# --value -` against an Rscript that reads the same lines and prints the
# same line per number (pchisq both ways, dchisq, sprintf at six
# decimals). Prints each one's seconds and largest resident memory and the
# bytes where the outputs differ, and fails where Tarvik takes more than
# half R's time or 100 MB.
# Usage: scripts/bench-bulk.sh [LINES]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh r-base-core >/dev/null
bash scripts/build.sh >/dev/null
lines=${1:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$lines" >"$work/in.txt" <<'PY'
import random, sys
random.seed(1)
for _ in range(int(sys.argv[1])): print('%.4f' % random.uniform(0, 50))
PY
cat >"$work/bulk.R" <<'R'
x <- scan(file("stdin"), quiet = TRUE)
cat(sprintf("df=3  x=%.6f  P(X<=x)=%.6f  P(X>x)=%.6f  f(x)=%.6f\n", x, pchisq(x, 3),
            pchisq(x, 3, lower.tail = FALSE), dchisq(x, 3)), sep = "")
R
measure() {  # name command...: "seconds kilobytes"
  local name=$1; shift
  /usr/bin/time -f "%e %M" -o "$work/$name.time" "$@" <"$work/in.txt" >"$work/$name.out" 2>/dev/null
  cat "$work/$name.time"
}
read -r t_s t_kb < <(measure tarvik build/window/tarvik --df 3 --value -)
read -r r_s r_kb < <(measure r Rscript "$work/bulk.R")
printf '%-8s %8s %10s\n' program seconds MB tarvik "$t_s" "$((t_kb / 1024))" R "$r_s" "$((r_kb / 1024))"
# Compared byte for byte: R computes in double, so a sixth decimal may
# differ where the exact value lies near a rounding point; the count says.
differ=$(cmp -l "$work/tarvik.out" "$work/r.out" 2>/dev/null | wc -l || true)
echo "bytes that differ: $differ"
python3 - "$t_s" "$r_s" "$t_kb" <<'PY'
import sys
t, r, kb = float(sys.argv[1]), float(sys.argv[2]), int(sys.argv[3])
ok = t < r / 2 and kb < 100 * 1024
print('goal (under half R\'s time, under 100 MB):', 'met' if ok else 'NOT met')
sys.exit(0 if ok else 1)
PY
